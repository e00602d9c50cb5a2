#pragma once
// Error reporting: one line that says where, how far and what, logged and shown.

#include <exception>
#include <string>

// The last milestone reached, set by the program's routines at each step; error texts
// carry it.
int& Checkpoint();

// "Error in " + Place + "." + Checkpoint + " with " + Detail, written to the debug log.
std::string ErrorText(const std::string& place, const std::string& detail);

// Logs the error text and shows it as a warning; the caller carries on.
void ReportError(const std::string& place, const std::string& detail);

// Logs the error text, shows it as an error, deletes "Running.Flg" from the program
// directory and asks the application to end. Returns to the caller, which stops its work.
void ReportFatalError(const std::string& place, const std::string& detail);

// The application-wide handler for what no event handler caught: a warning whose place
// is the class name of the raising object and whose detail is "UH " + the message.
void AppException(const std::string& senderClass, const std::string& message);

// Runs an event handler at a boundary that nothing may cross (a window procedure, a timer
// tick): whatever it throws is reported through AppException and the program carries on.
template <typename Handler>
void RunGuarded(const std::string& senderClass, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const std::exception& e) {
        AppException(senderClass, e.what());
    } catch (...) {
        AppException(senderClass, "Unknown exception");
    }
}
