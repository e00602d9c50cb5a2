#!/usr/bin/env bash
# Portable code must not know Win32: only src/win32 (and the Windows-only tests, benchmarks
# and stand-in programs) may include the Windows headers.
set -euo pipefail
cd "$1"
bad=$(grep -rlE '#[[:space:]]*include[[:space:]]*[<"](windows|winuser|winbase|windef|shellapi|commctrl|winver)\.h' \
        src tools tests/unit tests/fakes bench gpgtray/core tests/gpgtray --include='*.h' --include='*.cpp' 2>/dev/null |
      grep -v -e '^src/win32/' -e '^bench/win/' || true)
if [ -n "$bad" ]; then
    echo "Windows headers included outside src/win32:"
    echo "$bad"
    exit 1
fi
echo "no Windows header outside src/win32"
