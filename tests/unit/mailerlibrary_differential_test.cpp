// The mailer library's loading, the Active driver list and the moves between the two lists
// against their literal forms, on the documented cases and on random libraries.

#include <gtest/gtest.h>

#include <random>

#include "bench/baseline/LiteralMailerLists.h"
#include "fakes/FakeOs.h"

namespace {

constexpr const char* kDrivers = "C:\\Mail Drivers";

struct ListsState {
    MailerLibrary mailers;
    int selectedLibrary, selectedActive;

    static ListsState Now() { return {Mailers(), Props().selectedLibrary, Props().selectedActive}; }
    void Restore() const {
        Mailers() = mailers;
        Props().selectedLibrary = selectedLibrary;
        Props().selectedActive = selectedActive;
    }
};

void ExpectSame(const ListsState& literal, const ListsState& linear, const std::string& step) {
    const MailerLibrary& a = literal.mailers;
    const MailerLibrary& b = linear.mailers;
    EXPECT_EQ(a.library, b.library) << step;
    EXPECT_EQ(a.active, b.active) << step;
    EXPECT_EQ(a.sameDriverMarks, b.sameDriverMarks) << step;
    EXPECT_EQ(a.activeDrivers, b.activeDrivers) << step;
    EXPECT_EQ(a.exclusiveDrivers, b.exclusiveDrivers) << step;
    EXPECT_EQ(a.activeLinesRead, b.activeLinesRead) << step;
    EXPECT_EQ(literal.selectedLibrary, linear.selectedLibrary) << step;
    EXPECT_EQ(literal.selectedActive, linear.selectedActive) << step;
}

// Runs both forms of one step from the same state; leaves the linear form's result.
template <typename Literal, typename Linear>
void Compare(Literal literalStep, Linear linearStep, const std::string& step) {
    const ListsState before = ListsState::Now();
    literalStep();
    const ListsState literal = ListsState::Now();
    before.Restore();
    linearStep();
    ExpectSame(literal, ListsState::Now(), step);
}

class MailerLibraryDifferentialTest : public FakeOs {
protected:
    MailerLibraryDifferentialTest() {
        profiles.Put(FakeProfiles::kWinIni, "Mail Form Drivers", "Path", kDrivers);
    }

    void Load(const std::string& library, const std::string& activeLines) {
        files.Put(std::string(kDrivers) + "\\SELECTG.DAT", library);
        files.Put(kDir + std::string("ActiveMailers.dat"), activeLines);
        Compare(literal::LoadMailerLibrary, ::LoadMailerLibrary, "load");
    }

    std::string Pick(const std::vector<std::string>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(gen_)];
    }
    int Row(const std::vector<std::string>& rows) {
        return std::uniform_int_distribution<int>(-1, static_cast<int>(rows.size()) - 1)(gen_);
    }

    // A library of up to 40 lines whose names and drivers repeat apart from letter case, and
    // Active lines taken from it in other letter case, or from nowhere.
    void LoadRandomLibrary() {
        const std::vector<std::string> names = {"Mail", "MAIL", "mail", "Post", "post", "Zed"};
        const std::vector<std::string> drivers = {"a.exe", "A.EXE", "b.mfs",
                                                  "B.mfs", "c.exe", "gone.exe"};
        const std::vector<std::string> flags = {"", "", "0", "5", "-", "1"};
        for (const std::string& d : drivers) {
            if (d != "gone.exe") {
                files.Put(std::string(kDrivers) + "\\" + d, "");
            }
        }
        std::string library, active;
        const std::string gap(kEntryGap, ' ');
        for (int n = std::uniform_int_distribution<int>(0, 40)(gen_); n > 0; --n) {
            const std::string name = Pick(names), driver = Pick(drivers);
            library += name + "!" + Pick(flags) + "!" + driver + "\r\n";
            if (std::uniform_int_distribution<int>(0, 2)(gen_) == 0) {
                active += Pick(names) + gap + driver + "\r\n";
            }
        }
        Load(library, active);
    }

    std::mt19937 gen_{2001};
};

// The documented cases: only offered lines are listed, Active lines match in any letter
// case, and drivers shared apart from letter case are walked once, in sorted order.
TEST_F(MailerLibraryDifferentialTest, AgreesOnTheDocumentedLibraries) {
    for (const char* driver : {"foo.mfs", "bar.exe", "baz.exe", "b.exe", "A.mfs", "c.EXE"}) {
        files.Put(std::string(kDrivers) + "\\" + driver, "");
    }
    const std::string gap(kEntryGap, ' ');
    Load("Foo Mail!0!foo.mfs\r\nBar!5!bar.exe\r\nBaz!-!baz.exe\r\nQux!0!qux.exe\r\nShort!1\r\n",
         "FOO MAIL" + gap + "FOO.MFS\r\n");
    EXPECT_EQ(Mailers().active.size(), 1u);
    Load("One!!b.exe\r\nTwo!!A.mfs\r\nThree!!c.EXE\r\nFour!!b.exe\r\n",
         "one" + gap + "b.exe\r\nTWO" + gap + "A.mfs\r\nthree" + gap + "c.EXE\r\nFour" + gap +
             "b.exe\r\n");
    EXPECT_EQ(Mailers().activeDrivers, (std::vector<std::string>{"A.mfs", "b.exe", "c.EXE"}));
}

TEST_F(MailerLibraryDifferentialTest, AgreesOnRandomLibrariesAndMoves) {
    for (int library = 0; library < 150; ++library) {
        LoadRandomLibrary();
        // The literal moves take no exclusive driver into account.
        Mailers().exclusiveDrivers.clear();
        for (int move = 0; move < 12 && !HasFailure(); ++move) {
            const std::string step = std::to_string(library) + "/" + std::to_string(move);
            switch (std::uniform_int_distribution<int>(0, 3)(gen_)) {
                case 0:
                case 1:
                    Props().selectedLibrary = Row(Mailers().library);
                    if (Props().selectedLibrary >= 0) {
                        Compare(literal::MakeActive, ::MakeActive, "make active " + step);
                    }
                    break;
                case 2:
                    Props().selectedActive = Row(Mailers().active);
                    if (Props().selectedActive >= 0) {
                        Compare(literal::ReturnToLibrary, ::ReturnToLibrary, "return " + step);
                    }
                    break;
                default:
                    Props().selectedLibrary = Row(Mailers().library);
                    Compare(literal::ClearActiveList, ::ClearActiveList, "clear " + step);
            }
        }
    }
}

}  // namespace
