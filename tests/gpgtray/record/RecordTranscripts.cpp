// Records the GnuPG runs of the tray program's commands, as the Wine tests replay them:
// Alice, who holds Bob's certified key, Carol's uncertified one and Dave's expired one,
// encrypts the demo mailer's message for Bob and decrypts it, encrypts and signs it,
// clear-signs a text in several scripts and verifies it, copies Bob's key and imports
// Erin's. Each distinct run becomes one file of the folder.
//
//   gpgtray_record <folder>      (tests/gpgtray/transcripts)

#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>

#include "GpgHome.h"
#include "Transcript.h"
#include "gpgtray/core/CommandIds.h"

namespace {

// The name of the operation that the arguments ask for, such as "-encrypt".
std::string Operation(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        for (const char* operation : {"--list-keys", "--list-secret-keys", "--encrypt",
                                      "--clearsign", "--decrypt", "--import", "--export"}) {
            if (argument == operation) {
                return argument.substr(1);
            }
        }
    }
    return "";
}

class RecordingRunner : public gpgtray::IProcessRunner {
public:
    RecordingRunner(gpgtray::IProcessRunner& inner, std::filesystem::path folder)
        : inner_(inner), folder_(std::move(folder)) {}

    gpgtray::ProcessResult Run(const gpgtray::ProcessRequest& request) override {
        gpgtray::ProcessResult result = inner_.Run(request);
        const Transcript transcript{request.arguments, request.input, result.output, result.status,
                                    result.exitCode};
        const std::string text = Serialized(transcript);
        // A run asked again with the same input is answered as the first time.
        if (seen_.insert(Serialized({request.arguments, request.input, "", "", 0})).second) {
            char number[8];
            std::snprintf(number, sizeof number, "%02zu", seen_.size());
            std::ofstream(folder_ / (number + Operation(request.arguments) + ".txt"),
                          std::ios::binary)
                << text;
        }
        return result;
    }

private:
    gpgtray::IProcessRunner& inner_;
    std::filesystem::path folder_;
    std::set<std::string> seen_;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gpgtray_record <folder>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);

    GpgHome alice, bob, carol, dave, erin;
    alice.MakeKey(scenario::kAlice);
    const std::string bobKey = bob.MakeKey(scenario::kBob);
    alice.Import(bob.PublicKey(bobKey));
    alice.Certify(bobKey);
    alice.Import(carol.PublicKey(carol.MakeKey(scenario::kCarol)));
    alice.Import(dave.PublicKey(dave.MakeKey(scenario::kDave, "", "1y", "20200101T000000")));
    const std::string erinKey = erin.PublicKey(erin.MakeKey(scenario::kErin));

    PosixRunner gnupg(alice.Path());
    RecordingRunner recorder(gnupg, folder);
    FakeClipboard clipboard;
    MapSettings settings;
    SearchPathOnly installations;
    Latin1 codePage;
    ScriptedUser user;
    gpgtray::TrayProgram tray({clipboard, recorder, settings, installations, codePage, user});
    const auto run = [&](unsigned command, const std::string& text) {
        clipboard.text = text;
        user = ScriptedUser();
        user.choose = {"bob@example.org"};
        tray.Handle(command);
        return clipboard.text;
    };
    run(GPGTRAY_DECRYPT_VERIFY, run(GPGTRAY_ENCRYPT, scenario::kMailBody));
    run(GPGTRAY_DECRYPT_VERIFY, run(GPGTRAY_ENCRYPT_SIGN, scenario::kMailBody));
    run(GPGTRAY_DECRYPT_VERIFY, run(GPGTRAY_SIGN, scenario::kWorldText));
    tray.CopyPublicKey(bobKey);
    run(GPGTRAY_ADD_KEY, erinKey);
    for (const std::string& failure : user.failures) {
        std::cerr << failure << "\n";
    }
    return user.failures.empty() ? 0 : 1;
}
