#include "win/PostScriptPrinter.h"

#include <winspool.h>

#include <map>
#include <sstream>
#include <stdexcept>

#include "win/TestDir.h"

namespace {

constexpr const char* kPrinter = "Tervane Test Printer";
constexpr const char* kDriver = "Tervane Test PostScript";
constexpr const char* kPpdFile = "TERVTEST.PPD";

// 600 pixels per inch on A4, the printable area 12 points inside the sheet's edges.
constexpr const char* kPpd = R"PPD(*PPD-Adobe: "4.3"
*NickName: "Tervane Test PostScript"
*LanguageLevel: "3"
*TTRasterizer: Type42
*DefaultResolution: 600dpi
*OpenUI *PageSize: PickOne
*DefaultPageSize: A4
*PageSize A4/A4: "<< /PageSize [595 842] >> setpagedevice"
*CloseUI: *PageSize
*ImageableArea A4/A4: "12 12 583 830"
*PaperDimension A4/A4: "595 842"
)PPD";

std::string PrinterDriverDirectory() {
    char directory[MAX_PATH] = "";
    DWORD size = sizeof directory;
    GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory), size,
                               &size);
    return directory;
}

void Require(bool done, const char* step) {
    if (!done) {
        throw std::runtime_error(std::string(step) + " failed: " + std::to_string(GetLastError()));
    }
}

// The character that a glyph name of the driver stands for.
char GlyphCharacter(const std::string& name) {
    static const std::map<std::string, char> named = {
        {"uni00A0", ' '}, {"space", ' '}, {"comma", ','}, {"period", '.'}, {"colon", ':'},
        {"zero", '0'},    {"one", '1'},   {"two", '2'},   {"three", '3'},  {"four", '4'},
        {"five", '5'},    {"six", '6'},   {"seven", '7'}, {"eight", '8'},  {"nine", '9'}};
    if (name.size() == 1) {
        return name[0];
    }
    const auto found = named.find(name);
    return found == named.end() ? '?' : found->second;
}

void RemovePrinter() {
    PRINTER_DEFAULTSA access{nullptr, nullptr, PRINTER_ALL_ACCESS};
    HANDLE printer = nullptr;
    if (OpenPrinterA(const_cast<char*>(kPrinter), &printer, &access)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
}

}  // namespace

// A printer that a crashed test left behind goes first.
PostScriptPrinter::PostScriptPrinter() {
    RemovePrinter();
    PutFile(PrinterDriverDirectory() + "\\" + kPpdFile, kPpd);
    DRIVER_INFO_3A driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriver);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pDataFile = const_cast<char*>(kPpdFile);
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    Require(AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES),
            "AddPrinterDriverExA");
    PRINTER_INFO_2A printer{};
    printer.pPrinterName = const_cast<char*>(kPrinter);
    printer.pPortName = const_cast<char*>("FILE:");
    printer.pDriverName = const_cast<char*>(kDriver);
    printer.pPrintProcessor = const_cast<char*>("WinPrint");
    printer.pDatatype = const_cast<char*>("RAW");
    printer.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    const HANDLE added = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&printer));
    Require(added != nullptr, "AddPrinterA");
    ClosePrinter(added);
    Require(SetDefaultPrinterA(kPrinter), "SetDefaultPrinterA");
}

PostScriptPrinter::~PostScriptPrinter() {
    RemovePrinter();
}

bool AnswerFileDialog(const char* caption, const std::string& fileName) {
    HWND dialog = nullptr;
    for (int i = 0; i < 400 && !IsWindowVisible(dialog = FindWindowA("#32770", caption)); ++i) {
        Sleep(50);
    }
    if (!IsWindowVisible(dialog)) {
        return false;
    }
    HWND edit = nullptr;
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM found) {
            char className[16] = "";
            GetClassNameA(child, className, sizeof className);
            if (lstrcmpiA(className, "Edit") != 0) {
                return TRUE;
            }
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&edit));
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(fileName.c_str()));
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return true;
}

// Each text drawn starts with a "moveto"; its glyphs follow as "/name glyphshow".
std::vector<std::vector<std::string>> PrintedPages(const std::string& postScript) {
    std::vector<std::vector<std::string>> pages;
    std::istringstream lines(postScript);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("%%Page:", 0) == 0) {
            pages.emplace_back();
        } else if (!pages.empty() && line.ends_with(" moveto")) {
            pages.back().emplace_back();
        } else if (!pages.empty() && !pages.back().empty() && line.ends_with(" glyphshow")) {
            pages.back().back() += GlyphCharacter(line.substr(1, line.size() - 11));
        }
    }
    return pages;
}
