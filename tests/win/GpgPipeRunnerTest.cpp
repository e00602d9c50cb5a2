// The GnuPG tray program's pipe runner on real Windows pipes: ten megabytes each way while
// the status stream and standard error are read as well, the exit code, arguments that
// survive the command line, and a program that is not there.

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <future>
#include <memory>
#include <thread>

#include "gpgtray/core/StatusLines.h"
#include "gpgtray/win32/PipeRunner.h"

namespace {

using gpgtray::ProcessRequest;
using gpgtray::ProcessResult;

// Runs the request on a thread of its own; nothing when it has not ended within the time
// limit, as a runner that waits on a full pipe never would.
std::optional<ProcessResult> RunWithin(const ProcessRequest& request, std::chrono::seconds limit) {
    auto promise = std::make_shared<std::promise<ProcessResult>>();
    std::future<ProcessResult> result = promise->get_future();
    std::thread([promise, request] {
        promise->set_value(gpgtray::PipeRunner().Run(request));
    }).detach();
    if (result.wait_for(limit) != std::future_status::ready) {
        return std::nullopt;
    }
    return result.get();
}

TEST(GpgPipeRunner, TenMegabytesGoBothWaysBesideTheStatusStreamAndTheExitCodeComesBack) {
    std::string input(10 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < input.size(); ++i) {
        input[i] = static_cast<char>(i * 7 + i / 4096);
    }
    const auto result = RunWithin({ECHO_STREAMS_EXE,
                                   "--status-fd",
                                   {"--exit", "7", "two words", "say \"hi\"", "C:\\dir\\", ""},
                                   input},
                                  std::chrono::seconds(120));
    ASSERT_TRUE(result.has_value()) << "the runner is stuck";
    EXPECT_TRUE(result->started);
    EXPECT_EQ(result->exitCode, 7);
    ASSERT_EQ(result->output.size(), input.size());
    EXPECT_TRUE(result->output == input);
    EXPECT_EQ(result->errors, "two words\nsay \"hi\"\nC:\\dir\\\n\n");
    const gpgtray::StatusLines status = gpgtray::ParseStatus(result->status);
    EXPECT_GE(status.size(), input.size() / 4096);
    EXPECT_EQ(status.back().rest, "block " + std::to_string(status.size()));
}

TEST(GpgPipeRunner, AProgramThatIsNotThereIsNotStarted) {
    const auto result = RunWithin({"C:\\Nowhere\\gpg.exe", "--status-fd", {"--version"}, "text"},
                                  std::chrono::seconds(30));
    ASSERT_TRUE(result.has_value());
    EXPECT_FALSE(result->started);
}

}  // namespace
