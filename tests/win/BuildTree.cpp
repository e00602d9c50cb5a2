#include "win/BuildTree.h"

#include <algorithm>

namespace {

std::string WinePath(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

}  // namespace

std::string Tervane5Exe() {
    return WinePath(TERVANE5_EXE);
}

std::string ExitWithExe() {
    return WinePath(TERVANE_EXIT_WITH_EXE);
}
