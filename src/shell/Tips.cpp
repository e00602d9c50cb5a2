#include "shell/Tips.h"

#include <charconv>
#include <exception>

#include "platform/Platform.h"
#include "shell/ShellState.h"
#include "shell/settings.h"
#include "support/ProgramPaths.h"
#include "support/fileutil.h"
#include "support/strutil.h"

namespace {

constexpr const char* kTipsFileName = "tips.dat";

// The number that the whole text spells, blanks around it allowed; 0 for anything else.
int DecimalOrZero(std::string_view text) {
    const std::string digits = TrimBlanks(text);
    int value = 0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    return error == std::errc() && stop == end ? value : 0;
}

// The tip-window flag, set for as long as the window is being made or is open.
class TipWindowFlag {
public:
    TipWindowFlag() { Shell().tipWindowOpen = true; }
    ~TipWindowFlag() { Shell().tipWindowOpen = false; }
    TipWindowFlag(const TipWindowFlag&) = delete;
    TipWindowFlag& operator=(const TipWindowFlag&) = delete;
};

// The main icon removed for as long as this lives. It comes back also when the window
// failed, so that the program is never left without the icon that starts its runs.
class MainIconAway {
public:
    explicit MainIconAway(ITipWindow& window) : window_(window) {
        window_.SetMainIconActive(false);
    }
    ~MainIconAway() { window_.SetMainIconActive(true); }
    MainIconAway(const MainIconAway&) = delete;
    MainIconAway& operator=(const MainIconAway&) = delete;

private:
    ITipWindow& window_;
};

}  // namespace

TipLine ParseTipLine(std::string_view line) {
    const std::size_t comma = line.find(',');
    if (comma == std::string_view::npos) {
        return {0, std::string(line)};
    }
    return {DecimalOrZero(line.substr(0, comma)), std::string(line.substr(comma + 1))};
}

void TipBrowser::Open() {
    if (Shell().tips.enabled) {
        SetShowTips(true);
    }
    // A tip is a courtesy: a damaged tips file or a failed save must not keep the window
    // from opening.
    try {
        Load();
        Next();
    } catch (const std::exception&) {
    }
}

bool TipBrowser::ShowTips() const {
    return Shell().tips.enabled;
}

// A stored index outside the list (the file may have shrunk since it was saved) counts as
// past the end; with no tips there is nothing to step to.
void TipBrowser::Next() {
    const int count = static_cast<int>(lines_.size());
    if (count == 0) {
        return;
    }
    const int index = Shell().tips.index;
    StepTo(index >= 0 && index < count - 1 ? index + 1 : 0);
}

void TipBrowser::Previous() {
    const int count = static_cast<int>(lines_.size());
    if (count == 0) {
        return;
    }
    const int index = Shell().tips.index;
    StepTo(index > 0 && index < count ? index - 1 : count - 1);
}

void TipBrowser::SetShowTips(bool on) {
    Shell().tips.enabled = on;
    SaveTipSettings();
}

void TipBrowser::Load() {
    lines_ = SplitLines(ReadFileString(Paths().dir + kTipsFileName));
}

// Saved before the tip is shown, so that the next opening goes on from here whatever
// happens to this one.
void TipBrowser::StepTo(int index) {
    Shell().tips.index = index;
    SaveTipSettings();
    current_ = ParseTipLine(lines_[static_cast<std::size_t>(index)]);
}

void ShowTipOfTheDay() {
    if (Shell().tipWindowOpen) {
        return;
    }
    const TipWindowFlag open;
    TipBrowser tips;
    tips.Open();
    ITipWindow& window = *Os().tipWindow;
    const MainIconAway away(window);
    window.ShowModal(tips);
}
