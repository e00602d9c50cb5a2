#include "ImportResult.h"

#include <cstdlib>

namespace gpgtray {

namespace {

// Reasons in IMPORT_OK: a bit set of what the key brought.
constexpr long kNewKey = 1;
constexpr long kNewDetails = 2 | 4 | 8;  // user IDs, signatures, subkeys

int FieldNumber(const std::vector<std::string>& fields, std::size_t index) {
    return index < fields.size() ? std::atoi(fields[index].c_str()) : 0;
}

std::string Plural(int count, const char* noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

}  // namespace

ImportCounts ReadImport(const StatusLines& status) {
    ImportCounts counts;
    for (const StatusLine& line : status) {
        const std::vector<std::string> fields = line.Fields();
        if (line.keyword == "IMPORT_OK") {
            const long reasons = FieldNumber(fields, 0);
            if (!(reasons & kNewKey) && (reasons & kNewDetails)) {
                ++counts.changed;
            }
        } else if (line.keyword == "IMPORTED") {
            const std::size_t blank = line.rest.find(' ');
            counts.newKeys.push_back(PercentUnescaped(
                blank == std::string::npos ? line.rest : line.rest.substr(blank + 1)));
        } else if (line.keyword == "IMPORT_RES") {
            counts.read = FieldNumber(fields, 0);
            counts.imported = FieldNumber(fields, 2);
            counts.unchanged = FieldNumber(fields, 4);
            counts.notImported = FieldNumber(fields, 13);
        }
    }
    return counts;
}

std::string ImportWords(const ImportCounts& counts) {
    std::string text = Plural(counts.read, "key") + " read: " + std::to_string(counts.imported) +
                       " imported, " + std::to_string(counts.changed) + " changed, " +
                       std::to_string(counts.unchanged) + " left unchanged";
    if (counts.notImported > 0) {
        text += ", " + std::to_string(counts.notImported) + " refused";
    }
    text += ".";
    for (const std::string& name : counts.newKeys) {
        text += "\r\n  New: " + name;
    }
    return text;
}

}  // namespace gpgtray
