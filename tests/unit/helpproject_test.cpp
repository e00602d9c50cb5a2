// The help project against the program: every help context that the program opens (the
// constants of support/HelpContexts.h and the contexts of tips.dat) is mapped to a page of
// the project, and every page that the project lists or links to is there.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "shell/Tips.h"

namespace {

const std::filesystem::path kSource = TERVANE_SOURCE_DIR;
const std::filesystem::path kHelp = kSource / "help";

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const std::filesystem::path& file) {
    std::istringstream in(Read(file));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return lines;
}

// The lines of each [SECTION] of the help project.
std::map<std::string, std::vector<std::string>> ProjectSections() {
    std::map<std::string, std::vector<std::string>> sections;
    std::string section;
    for (const std::string& line : Lines(kHelp / "Tervane5.hhp")) {
        if (line.size() > 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
        } else if (!line.empty()) {
            sections[section].push_back(line);
        }
    }
    return sections;
}

// Every match of the pattern's first group in the text.
std::vector<std::string> Captures(const std::string& text, const std::string& pattern) {
    std::vector<std::string> found;
    const std::regex re(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), re); it != std::sregex_iterator();
         ++it) {
        found.push_back((*it)[1]);
    }
    return found;
}

// The page that the project maps each context number to: [MAP] gives the number a name,
// [ALIAS] the name a page.
std::map<int, std::string> MappedPages() {
    auto sections = ProjectSections();
    std::map<std::string, std::string> pageOf;
    for (const std::string& alias : sections["ALIAS"]) {
        const auto equals = alias.find('=');
        pageOf[alias.substr(0, equals)] = alias.substr(equals + 1);
    }
    std::map<int, std::string> pages;
    const std::regex define(R"(#define\s+(\w+)\s+(\d+)\s*)");
    for (const std::string& line : sections["MAP"]) {
        std::smatch m;
        if (!std::regex_match(line, m, define)) {
            ADD_FAILURE() << "[MAP] line that is no #define: " << line;
            continue;
        }
        pages[std::stoi(m[2])] = pageOf[m[1]];
    }
    return pages;
}

// The contexts that the program can open.
std::set<int> ProgramContexts() {
    std::set<int> contexts;
    const std::string header = Read(kSource / "src" / "support" / "HelpContexts.h");
    for (const std::string& number : Captures(header, R"(constexpr int kHelp\w+ = (\d+);)")) {
        contexts.insert(std::stoi(number));
    }
    for (const std::string& line : Lines(kSource / "data" / "tips.dat")) {
        if (const int context = ParseTipLine(line).helpContext; context != 0) {
            contexts.insert(context);
        }
    }
    return contexts;
}

TEST(HelpProject, MapsEveryContextOfTheProgramToAListedPage) {
    const std::set<int> contexts = ProgramContexts();
    ASSERT_GE(contexts.size(), 20u) << "the contexts were not found in HelpContexts.h";
    const std::map<int, std::string> pages = MappedPages();
    const std::vector<std::string> files = ProjectSections()["FILES"];
    for (int context : contexts) {
        const auto page = pages.find(context);
        ASSERT_NE(page, pages.end()) << "no topic for help context " << context;
        EXPECT_NE(std::find(files.begin(), files.end(), page->second), files.end())
            << "help context " << context << ": " << page->second << " is not under [FILES]";
    }
}

// A page that is missing, or that the project does not list, would be absent from the
// compiled file: a link or the contents would lead nowhere.
TEST(HelpProject, ListsEveryPageThatALinkOrTheContentsNameAndEachIsThere) {
    const std::vector<std::string> files = ProjectSections()["FILES"];
    const std::set<std::string> listed(files.begin(), files.end());
    std::map<std::string, std::string> targets;  // linked page -> where it is linked from
    for (const std::string& page : files) {
        ASSERT_TRUE(std::filesystem::exists(kHelp / page)) << page << " is listed but missing";
        for (const std::string& target :
             Captures(Read(kHelp / page), R"#((?:href|src)="([^":#]+)")#")) {
            targets.emplace(target, page);
        }
    }
    for (const std::string& target :
         Captures(Read(kHelp / "Tervane5.hhc"), R"#(name="Local" value="([^"]+)")#")) {
        targets.emplace(target, "Tervane5.hhc");
    }
    for (const auto& [target, from] : targets) {
        EXPECT_TRUE(listed.count(target)) << from << " links to " << target << ", not listed";
    }
}

}  // namespace
