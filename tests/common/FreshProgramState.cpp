// Every test starts from a program state of its own, made before the test's fixture and
// dropped after it: nothing one test leaves behind reaches the next, and no fixture saves
// or restores anything by hand.

#include <gtest/gtest.h>

#include <memory>

#include "app/ProgramState.h"

namespace {

class FreshProgramState : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        installed_.reset();
        state_ = std::make_unique<ProgramState>();
        installed_ = std::make_unique<InstalledProgramState>(*state_);
    }
    void OnTestEnd(const ::testing::TestInfo&) override {
        installed_.reset();
        state_.reset();
    }

    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<InstalledProgramState> installed_;
};

const bool registered = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProgramState);
    return true;
}();

}  // namespace
