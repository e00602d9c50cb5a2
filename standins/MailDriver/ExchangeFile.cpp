#include "ExchangeFile.h"

#include <fstream>
#include <iterator>

namespace maildriver {

bool WriteExchangeFile(const std::string& path, const TMFDData& record) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << MFDText(record);
    file.close();
    return !file.fail();
}

std::optional<TMFDData> ReadExchangeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    TMFDData record;
    ParseMFDText(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()),
        record);
    return record;
}

}  // namespace maildriver
