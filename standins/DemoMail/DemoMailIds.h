#pragma once
// What other programs may rely on in the demo mailer's windows: the window classes and
// captions, the control ids of the fields and the ids of the Edit menu's commands. The
// drivers and the tests find the fields through these; docs/mail-form-scripts.md lists
// them for script authors.

namespace demomail {

constexpr const char* kComposeClass = "DemoMailCompose";
constexpr const char* kReadClass = "DemoMailRead";
constexpr const char* kComposeCaption = "Compose - Demo Mail";
constexpr const char* kReadCaption = "Message - Demo Mail";
// The part of every caption that tells a Demo Mail window.
constexpr const char* kCaptionMark = "Demo Mail";

// The fields are EDIT controls, direct children of the window. A read window has all
// five; a compose window has no From field.
constexpr int kFromId = 101;
constexpr int kToId = 102;
constexpr int kCcId = 103;
constexpr int kSubjectId = 104;
constexpr int kBodyId = 105;

// "&Edit" menu commands; they work on the field that last had the focus (the body at first).
constexpr int kSelectAllCommand = 301;
constexpr int kCopyCommand = 302;

}  // namespace demomail
