#include "StandinFiles.h"

#include <windows.h>

#include <fstream>
#include <iterator>

StandinFiles FilesBesideProgram() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory(path, length);
    directory.erase(directory.find_last_of('\\') + 1);
    return {directory};
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void AppendToFile(const std::string& path, std::string_view text) {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

std::size_t AppendBlocksOnce(const std::string& path, const std::vector<std::string>& blocks) {
    std::string held = ReadWholeFile(path);
    std::size_t appended = 0;
    for (const std::string& block : blocks) {
        if (held.find(block) == std::string::npos) {
            AppendToFile(path, block);
            held += block;
            ++appended;
        }
    }
    return appended;
}
