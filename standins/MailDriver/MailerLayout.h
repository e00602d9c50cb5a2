#pragma once
// A mailer described for a driver: what it answers to "Data File=" and, for each kind of
// window it has, how the window is recognised and which control holds which field.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace maildriver {

// A control inside a mailer window: by its control id, or else as the index-th (from 1)
// descendant of a window class, in Z order.
struct ControlLocator {
    int id = 0;
    std::string className;
    int index = 0;

    static ControlLocator ById(int id) { return {id, {}, 0}; }
    static ControlLocator ByClass(std::string className, int index) {
        return {0, std::move(className), index};
    }
};

struct WindowKind {
    std::string caption;    // text that the window's caption contains
    std::string className;  // the window's class; empty for any
    std::int32_t wtype = 0;
    bool writable = false;  // "Write File=" puts the body into it
    std::optional<ControlLocator> to;
    std::optional<ControlLocator> cc;
    std::optional<ControlLocator> subject;
    std::optional<ControlLocator> body;
};

struct MailerLayout {
    std::string information;
    std::string shortText;
    std::vector<WindowKind> windows;
};

}  // namespace maildriver
