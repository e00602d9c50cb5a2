# The shipped 32-bit build. This machine cannot run 32-bit programs, so no emulator is set
# and no tests are discovered for it.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TERVANE_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
