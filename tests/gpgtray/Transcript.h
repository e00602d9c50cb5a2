#pragma once
// A recorded run of GnuPG: what the tray program asked and gave it, and what GnuPG answered.
// Recorded here against the real GnuPG, answered under Wine by a Windows program that plays
// GnuPG's part, since a Windows program there cannot read a Linux program's output.

#include <optional>
#include <string>
#include <vector>

struct Transcript {
    // Without the status option and its number, which differ from run to run.
    std::vector<std::string> arguments;
    std::string input, output, status;
    int exitCode = 0;
};

std::string Serialized(const Transcript& transcript);
// Nothing for a text that is no transcript.
std::optional<Transcript> ParseTranscript(const std::string& text);

// Whether two inputs are the same text, whatever line ends and trailing blank lines a mail
// program gave them on the way.
bool SameText(const std::string& a, const std::string& b);

// The shared texts of the recording and of the tests that replay it.
namespace scenario {
inline constexpr const char* kMailBody = "Hello Bob,\r\n\r\nsee you on Thursday.\r\nAlice";
// The same in other scripts, to be carried through the Unicode clipboard.
inline constexpr const char* kWorldText =
    "Gr\xc3\xbc\xc3\x9f"
    "e aus K\xc3\xb6ln, \xce\x95\xce\xbb\xce\xbb\xce\xac\xce\xb4\xce\xb1\r\n";
inline constexpr const char* kAlice = "Alice <alice@example.org>";
inline constexpr const char* kBob = "Bob <bob@example.org>";
inline constexpr const char* kCarol = "Carol <carol@example.org>";  // not certified
inline constexpr const char* kDave = "Dave <dave@example.org>";     // expired
inline constexpr const char* kErin = "Erin <erin@example.org>";     // imported
}  // namespace scenario
