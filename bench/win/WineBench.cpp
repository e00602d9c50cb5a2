// The whole program's costs under Wine, as ratios to what any Windows program costs there.
//   run_overhead_ratio  an outgoing run started by the tray icon's message, less the time in
//                       which the program waits for the driver processes and the PGP command
//                       (its own stamps, see src/win32/WaitSpan.h), over one start and wait
//                       of an empty program;
//   startup_ratio       from the start of Tervane5.exe until both its tray icons are in the
//                       notification area, over the start of a program until its first
//                       window exists;
//   big_message_ms      a big message (see kBigMessageBytes) through a whole outgoing run,
//                       waits included;
//   big_message_memory_ratio  the program's peak working set until then over the message's
//                       size.
// Medians of kRuns runs each. Prints the times and, at the end, one "name=value" line per
// ratio; scripts/bench runs it through the build's Wine runner.

#include <windows.h>
// after windows.h, which it needs
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/win/WaitLog.h"
#include "standins/DemoMail/DemoMailIds.h"
#include "win/InstalledProgram.h"
#include "win/NotificationArea.h"
#include "win/PGPTrayStandin.h"
#include "win/StandinProgram.h"
#include "win32/UniqueHandle.h"
#include "win32/WaitSpan.h"

namespace {

constexpr int kRuns = 12;
constexpr int kBigRuns = 3;
// Under Wine 8 a text of more than about 1 MB set into another process's window arrives
// empty, so the mailer's window could not take a bigger encrypted text back from its
// driver: the big message is 0.7 MB, whose armoured form (about 0.96 MB) still arrives.
constexpr std::size_t kBigMessageBytes = 700 * 1000;
const std::string kBody = "Hello Bob,\r\n\r\nsee you on Thursday.\r\nAlice\r\n";

double Milliseconds(long long fromMicroseconds) {
    return static_cast<double>(WaitSpan::NowMicroseconds() - fromMicroseconds) / 1000.0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Runs the measurement kRuns times; their median, printed with the spread.
double MedianOf(const char* what, const std::function<double()>& measure) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        times.push_back(measure());
    }
    const double median = Median(times);
    std::printf("%-58s median %8.2f ms  (%.2f to %.2f)\n", what, median,
                *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    return median;
}

// A program of this benchmark, beside it.
std::string BenchProgram(const char* name) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string path = self;
    return path.erase(path.find_last_of('\\') + 1) + name;
}

// Polls every `intervalMs`: every millisecond where the poll marks the end of what is
// measured, alike for every program measured.
void WaitFor(const std::function<bool()>& condition, const char* what, DWORD intervalMs = 1,
             DWORD timeoutMs = 30000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) {
            throw std::runtime_error(std::string("timed out waiting for ") + what);
        }
        Sleep(intervalMs);
    }
}

double EmptyStartAndWait() {
    const long long start = WaitSpan::NowMicroseconds();
    StandinProgram program(BenchProgram("BenchEmpty.exe"));
    program.WaitForExit();
    return Milliseconds(start);
}

double FirstWindowOfAProgram() {
    const long long start = WaitSpan::NowMicroseconds();
    StandinProgram program(BenchProgram("BenchWindow.exe"));
    HWND window = nullptr;
    WaitFor([&] { return (window = FindWindowA("BenchWindow", nullptr)) != nullptr; },
            "the empty program's window");
    const double elapsed = Milliseconds(start);
    PostMessageA(window, WM_CLOSE, 0, 0);
    program.WaitForExit();
    return elapsed;
}

std::vector<HWND> TrayIconsOf(const StandinProgram& program) {
    std::vector<HWND> icons = program.TopLevelWindows(false, "TTaskIcon");
    const bool shown =
        icons.size() == 2 && InTheNotificationArea(icons[0]) && InTheNotificationArea(icons[1]);
    return shown ? icons : std::vector<HWND>{};
}

// Ends the program as the end of a Windows session does, which removes its icons.
void EndProgram(StandinProgram& program) {
    for (HWND window : program.TopLevelWindows(false, "TfrmProps")) {
        PostMessageA(window, WM_ENDSESSION, TRUE, 0);
    }
    program.WaitForExit(15000);
}

double StartUntilTrayIcons() {
    const long long start = WaitSpan::NowMicroseconds();
    const auto program = InstalledProgram::Start();
    WaitFor([&] { return !TrayIconsOf(*program).empty(); }, "the tray icons");
    const double elapsed = Milliseconds(start);
    EndProgram(*program);
    return elapsed;
}

// A body of about `bytes` in lines of 70 letters.
std::string BodyOf(std::size_t bytes) {
    const std::string line = std::string(68, 'x') + "\r\n";
    std::string body;
    body.reserve(bytes + line.size());
    while (body.size() < bytes) {
        body += line;
    }
    return body;
}

// One outgoing run of the body in the compose window, started by the tray icon's message;
// the time from the message until the program stamps the click's end, in microseconds.
long long OutgoingRun(HWND mainIcon, HWND compose, const WaitLog& waits, const std::string& text,
                      DWORD timeoutMs) {
    HWND body = GetDlgItem(compose, demomail::kBodyId);
    SetWindowTextA(body, text.c_str());
    waits.Clear();
    SetForegroundWindow(compose);
    const long long start = WaitSpan::NowMicroseconds();
    PostMessageA(mainIcon, WM_USER, 0, WM_LBUTTONUP);
    // The program stamps the run's end itself: a slow poll takes no time from it.
    WaitFor([&] { return waits.Has("click"); }, "the run's end", 50, timeoutMs);
    const std::string result = WindowText(body);
    if (result.rfind("-----BEGIN PGP MESSAGE-----", 0) != 0) {
        throw std::runtime_error("the run did not encrypt the message; the body holds " +
                                 std::to_string(result.size()) + " bytes, starting:\n" +
                                 result.substr(0, 200) + "\nThe spans:\n" + waits.Text());
    }
    if (waits.Count("process") < 2 || waits.Count("command") != 1) {
        throw std::runtime_error("the run did not wait for two drivers and one PGP command:\n" +
                                 waits.Text());
    }
    return waits.End("click") - start;
}

// The program's own time in one run: the run less its waits for other programs.
double RunOverhead(HWND mainIcon, HWND compose, const WaitLog& waits) {
    const long long run = OutgoingRun(mainIcon, compose, waits, kBody, 30000);
    return static_cast<double>(run - waits.Total("process") - waits.Total("command")) / 1000.0;
}

std::size_t PeakWorkingSet(const StandinProgram& program) {
    const UniqueHandle process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.ProcessId()));
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!process.Valid() || !GetProcessMemoryInfo(process.Get(), &counters, sizeof counters)) {
        throw std::runtime_error("cannot read the program's working set");
    }
    return counters.PeakWorkingSetSize;
}

struct RunFigures {
    double overheadMs, bigMessageMs, bigMessageMemoryRatio;
};

RunFigures OutgoingRunFigures(const WaitLog& waits) {
    StandinProgram mailer(StandinPath("DemoMail.exe") + " /compose \"" +
                          InstalledProgram::File("message.txt") + "\"");
    HWND compose = mailer.WaitForWindow(demomail::kComposeClass);
    const auto program = InstalledProgram::Start();
    WaitFor([&] { return !TrayIconsOf(*program).empty(); }, "the tray icons");
    HWND mainIcon = InstalledProgram::IconTitled(TrayIconsOf(*program), "Tervane 5");
    if (!compose || !mainIcon) {
        throw std::runtime_error("no compose window or no main tray icon");
    }
    RunFigures figures{};
    figures.overheadMs = MedianOf("outgoing run, less its waits for drivers and PGP",
                                  [&] { return RunOverhead(mainIcon, compose, waits); });
    const std::size_t smallPeak = PeakWorkingSet(*program);
    const std::string big = BodyOf(kBigMessageBytes);
    std::vector<double> times;
    for (int i = 0; i < kBigRuns; ++i) {
        times.push_back(static_cast<double>(OutgoingRun(mainIcon, compose, waits, big, 300000)) /
                        1000.0);
    }
    figures.bigMessageMs = Median(times);
    const std::size_t bigPeak = PeakWorkingSet(*program);
    std::printf("%-58s median %8.2f ms  (%.2f to %.2f)\n", "outgoing run of the big message",
                figures.bigMessageMs, *std::min_element(times.begin(), times.end()),
                *std::max_element(times.begin(), times.end()));
    std::printf("peak working set: %.1f MB after the small runs, %.1f MB after the big ones\n",
                static_cast<double>(smallPeak) / 1e6, static_cast<double>(bigPeak) / 1e6);
    figures.bigMessageMemoryRatio =
        static_cast<double>(bigPeak) / static_cast<double>(kBigMessageBytes);
    EndProgram(*program);
    return figures;
}

}  // namespace

int main() {
    // Made first and dropped last, so that a failure can still show the program's log.
    InstalledProgram installed;
    try {
        PGPTrayStandin pgp;
        PutFile(InstalledProgram::File("message.txt"),
                "From: Alice <alice@example.org>\r\nTo: Bob <bob@example.org>\r\n"
                "Subject: Thursday\r\n\r\n" +
                    kBody);
        const WaitLog waits(InstalledProgram::File("waits.log"));
        const double empty = MedianOf("empty program, start and wait", EmptyStartAndWait);
        const RunFigures run = OutgoingRunFigures(waits);
        const double window =
            MedianOf("empty program, start until its window", FirstWindowOfAProgram);
        const double startup =
            MedianOf("Tervane5.exe, start until both tray icons", StartUntilTrayIcons);
        std::printf(
            "run_overhead_ratio=%.3f\nstartup_ratio=%.2f\nbig_message_ms=%.0f\n"
            "big_message_memory_ratio=%.2f\n",
            run.overheadMs / empty, startup / window, run.bigMessageMs, run.bigMessageMemoryRatio);
        return 0;
    } catch (const std::exception& e) {
        std::printf("wine bench: %s\nThe program's debug log:\n%s\n", e.what(),
                    InstalledProgram::DebugLog().c_str());
        return 1;
    }
}
