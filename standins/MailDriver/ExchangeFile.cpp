#include "ExchangeFile.h"

#include <fstream>
#include <iterator>

#include "ExchangeText.h"

namespace maildriver {

bool WriteExchangeFile(const std::string& path, const standin::ExchangeRecord& record) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << standin::ExchangeText(record);
    file.close();
    return !file.fail();
}

std::optional<standin::ExchangeRecord> ReadExchangeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return standin::ParseExchangeText(
        std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
}

}  // namespace maildriver
