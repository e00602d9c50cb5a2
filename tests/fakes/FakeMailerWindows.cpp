#include "fakes/FakeMailerWindows.h"

namespace {

class FakeChooser : public IMailerChooser {
public:
    explicit FakeChooser(FakeMailerWindows& owner) : owner_(owner) { ++owner_.openChoosers; }
    ~FakeChooser() override { --owner_.openChoosers; }
    FakeChooser(const FakeChooser&) = delete;
    FakeChooser& operator=(const FakeChooser&) = delete;

    void Clear() override { rows_.clear(); }
    void AddRow(const std::string& row) override { rows_.push_back(row); }

    std::optional<std::string> Choose(int& chosenRow) override {
        const bool remembered = chosenRow >= 0 && chosenRow < static_cast<int>(rows_.size());
        int selected = remembered ? chosenRow : 0;
        owner_.shown.push_back({rows_, selected});
        if (owner_.answers.empty()) {
            return std::nullopt;
        }
        const FakeMailerWindows::Answer answer = owner_.answers.front();
        owner_.answers.pop_front();
        if (answer.select) {
            selected = *answer.select;
            chosenRow = selected;
        }
        if (!answer.ok || rows_.empty()) {
            return std::nullopt;
        }
        return rows_.at(static_cast<std::size_t>(selected));
    }

private:
    FakeMailerWindows& owner_;
    std::vector<std::string> rows_;
};

}  // namespace

std::unique_ptr<IMailerChooser> FakeMailerWindows::CreateChooser() {
    return std::make_unique<FakeChooser>(*this);
}

void FakeMailerWindows::ShowScriptInfo(const std::string& caption, const std::string& text) {
    scriptInfos.push_back({caption, text});
}
