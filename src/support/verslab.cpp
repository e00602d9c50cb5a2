#include "support/verslab.h"

#include "platform/Platform.h"
#include "platform/VersionInfo.h"

namespace {

struct ResourceName {
    const char* key;
    const char* caption;
};

// Indexed by TVersionResources.
constexpr ResourceName kResourceNames[] = {
    {"CompanyName", "Company Name:"},
    {"FileDescription", "File Description:"},
    {"FileVersion", "File Version:"},
    {"InternalName", "Internal Name:"},
    {"LegalCopyright", "Legal Copyright:"},
    {"OriginalFilename", "Original Filename:"},
    {"ProductName", "Product Name:"},
    {"ProductVersion", "Product Version:"},
    {"Comments", "Comments:"},
};

// The string as the system reports it: at most `length` bytes, up to its terminating zero.
// A length below 2 is only the terminating zero.
std::string ValueOf(const VersionQuery& query) {
    switch (query.status) {
        case VersionQuery::Status::NoData:
            return kVersionNoData;
        case VersionQuery::Status::QueryFailed:
            return kVersionQueryFailed;
        case VersionQuery::Status::Found:
            break;
    }
    if (query.length < 2) {
        return kVersionEmpty;
    }
    const std::string bytes = query.bytes.substr(0, query.length);
    return bytes.substr(0, bytes.find('\0'));
}

}  // namespace

TVersionLabel::TVersionLabel() {
    SetVersionResource(TVersionResources::vrFileVersion);
}

void TVersionLabel::SetVersionResource(TVersionResources resource) {
    resource_ = resource;
    const ResourceName& name = kResourceNames[static_cast<int>(resource)];
    SetVersionResourceKey(name.key);
    SetInfoPrefix(name.caption);
}

void TVersionLabel::SetVersionResourceKey(const std::string& key) {
    if (key != key_) {
        key_ = key;
        SetInfoPrefix(key);
    }
}

void TVersionLabel::SetInfoPrefix(const std::string& prefix) {
    if (prefix != prefix_) {
        prefix_ = prefix;
        Refresh();
    }
}

void TVersionLabel::SetShowInfoPrefix(bool show) {
    if (show != showPrefix_) {
        showPrefix_ = show;
        Refresh();
    }
}

std::string TVersionLabel::GetInfo() const {
    return GetInfoGeneral("", langCharset_);
}

// The blank after the caption stays when the caption is empty; callers trim it.
std::string TVersionLabel::GetInfoGeneral(const std::string& fileName,
                                          const std::string& langCharset) const {
    const std::string value = ValueOf(
        Os().versionInfo->Query(fileName, "\\StringFileInfo\\" + langCharset + "\\" + key_));
    return showPrefix_ ? prefix_ + " " + value : value;
}
