#pragma once
// A person with the real GnuPG: a throwaway home directory with the keys the test makes,
// and the tray program working on a clipboard of its own. Every agent started in the home
// is stopped, and the home removed, when the object ends.

#include <string>
#include <vector>

#include "PosixRunner.h"
#include "TrayFakes.h"
#include "gpgtray/core/TrayProgram.h"

class GpgHome {
    // First, since the tray program below is made with them.
    std::string path_;
    PosixRunner runner_;
    SearchPathOnly installations_;
    Latin1 codePage_;

public:
    GpgHome();
    ~GpgHome();
    GpgHome(const GpgHome&) = delete;
    GpgHome& operator=(const GpgHome&) = delete;

    // Runs gpg in this home; its result.
    gpgtray::ProcessResult Gpg(std::vector<std::string> arguments, const std::string& input = "");

    // Makes a key pair for the user ID and gives its fingerprint. fakedTime
    // ("20200101T000000") makes it as if it were then, so that it can have expired by now.
    std::string MakeKey(const std::string& userId, const std::string& passphrase = "",
                        const std::string& expiry = "never", const std::string& fakedTime = "");
    std::string PublicKey(const std::string& fingerprint);
    void Import(const std::string& armoured);
    // Certifies another's key with this home's key, which makes it fully valid here.
    void Certify(const std::string& fingerprint);
    // Writes gpg.conf: the options GnuPG reads for every command in this home.
    void Configure(const std::string& options);

    const std::string& Path() const { return path_; }

    // The tray program of this person, and what it works with.
    FakeClipboard clipboard;
    MapSettings settings;
    ScriptedUser user;
    gpgtray::TrayProgram tray;
};
