#pragma once
// TVersionLabel: a label that shows one string of a program file's version resource, with
// a caption before it. It is also the program's one reader of version resources: other
// code reads any file's strings through GetInfoGeneral.

#include <string>

enum class TVersionResources {
    vrCompanyName,
    vrFileDescription,
    vrFileVersion,
    vrInternalName,
    vrLegalCopyright,
    vrOriginalFilename,
    vrProductName,
    vrProductVersion,
    vrComments,
};

// The texts that take the place of a value that cannot be read.
constexpr const char* kVersionNoData = "< No Data Available >";
constexpr const char* kVersionQueryFailed = "Error retrieving version info";
constexpr const char* kVersionEmpty = "No Version Info";

class TVersionLabel {
public:
    // Shows the own program's file version under the caption "File Version:".
    TVersionLabel();

    TVersionResources VersionResource() const { return resource_; }
    // Sets the key of the standard string and then its caption.
    void SetVersionResource(TVersionResources resource);

    const std::string& VersionResourceKey() const { return key_; }
    // A new key also becomes the caption, until the caption is set.
    void SetVersionResourceKey(const std::string& key);

    const std::string& InfoPrefix() const { return prefix_; }
    void SetInfoPrefix(const std::string& prefix);

    bool ShowInfoPrefix() const { return showPrefix_; }
    void SetShowInfoPrefix(bool show);

    // Language and code page of the string table, eight hexadecimal digits ("080904E4").
    // Takes effect at the next refresh.
    const std::string& LangCharset() const { return langCharset_; }
    void SetLangCharset(const std::string& langCharset) { langCharset_ = langCharset; }

    // The visible text: GetInfo at the last refresh.
    const std::string& Caption() const { return caption_; }

    // The label's string of the own program's file.
    std::string GetInfo() const;

    // The label's string of any file (empty: the own program's) in any string table,
    // behind the caption when ShowInfoPrefix is on.
    std::string GetInfoGeneral(const std::string& fileName, const std::string& langCharset) const;

private:
    void Refresh() { caption_ = GetInfo(); }

    TVersionResources resource_ = TVersionResources::vrFileVersion;
    std::string key_;
    std::string prefix_;
    bool showPrefix_ = true;
    std::string langCharset_ = "080904E4";
    std::string caption_;
};
