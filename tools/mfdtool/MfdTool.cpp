#include "MfdTool.h"

#include <charconv>
#include <optional>

#include "FileBytes.h"
#include "Report.h"
#include "support/strutil.h"

namespace {

const char kUsage[] =
    "usage: mfdtool parse FILE\n"
    "       mfdtool classify FILE\n"
    "       mfdtool unindent FILE\n"
    "       mfdtool decide [--special] [--option N] [--force-key-read] [--mailing-list FILE] "
    "FILE\n";

struct UsageError {};

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

TMFDData ParsedRecord(const std::string& path) {
    TMFDData data;
    ParseMFDText(FileBytes(path), data);
    return data;
}

// The decide command's options; everything else on its line is the file.
RunInput DecideInput(const std::vector<std::string>& args, std::string& file) {
    RunInput input;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--special") {
            input.routineRun = false;
        } else if (arg == "--force-key-read") {
            input.forceKeyRead = true;
        } else if (arg == "--option" && hasValue) {
            const auto n = ParseInt(args[++i]);
            if (!n) {
                throw UsageError{};
            }
            input.optionIndex = *n;
        } else if (arg == "--mailing-list" && hasValue) {
            input.mailingList = SplitLines(FileBytes(args[++i]));
        } else if (arg.starts_with("--") || !file.empty()) {
            throw UsageError{};
        } else {
            file = arg;
        }
    }
    if (file.empty()) {
        throw UsageError{};
    }
    input.data = ParsedRecord(file);
    return input;
}

std::string Run(const std::vector<std::string>& args) {
    if (args.empty()) {
        throw UsageError{};
    }
    const std::string& command = args[0];
    if (command == "decide") {
        std::string file;
        return DecisionReport(DecideRun(DecideInput(args, file)));
    }
    if (args.size() != 2 || args[1].starts_with("--")) {
        throw UsageError{};
    }
    if (command == "parse") {
        return RecordReport(ParsedRecord(args[1]));
    }
    if (command == "classify") {
        return BlocksReport(ClassifyPGP(FileBytes(args[1])));
    }
    if (command == "unindent") {
        return UnindentPGPMarkers(FileBytes(args[1]));
    }
    throw UsageError{};
}

}  // namespace

int RunMfdTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    try {
        out << Run(args);
        return kExitOk;
    } catch (const UsageError&) {
        err << kUsage;
        return kExitUsage;
    } catch (const UnreadableFile& e) {
        err << "mfdtool: cannot read " << e.what() << "\n";
        return kExitFileProblem;
    }
}
