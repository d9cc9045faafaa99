#include "system/ReportError.h"

#include <cstdlib>

#include "media/Media.h"
#include "system/AtomicFile.h"
#include "system/MessageBox.h"

namespace {

[[noreturn]] void EndProgram() {
    // Taken out first so that an error reported while shutting down cannot loop back here.
    auto beforeExit = std::move(Errors().BeforeExitFunction);
    Errors().BeforeExitFunction = nullptr;
    if (beforeExit) beforeExit();
    std::exit(1);
}

}  // namespace

void EndProgramWithError(const std::string& message, bool serious) {
    media::Notify(message, serious);
    EndProgram();
}

ErrorReporting& Errors() {
    static ErrorReporting state;
    return state;
}

std::string ErrorLogText(const std::string& date, const std::string& time,
                         const std::string& message) {
    return "Date: " + date + "\r\nTime: " + time + "\r\n" + message + "\r\n";
}

void LogError(const std::string& message) {
    const ErrorReporting& state = Errors();
    if (state.ErrorLogEnabled == 0) return;
    const std::string text = ErrorLogText(media::CurrentDate(), media::CurrentTime(), message);
    // A log that cannot be written is not worth a second error.
    (void)WriteFileAtomic(state.ErrorLogFolder + "ErrorLog.txt", text);
}

void ReportError(const std::string& message, bool fatal) {
    static bool showing = false;
    ErrorReporting& state = Errors();

    if (state.ErrorsOnScreen == 0) EndProgramWithError(message, false);

    if (showing) {
        // The box itself failed (its font or drawing reported an error): fall back to the
        // system's own box rather than recursing.
        media::Notify(message, false);
    } else {
        showing = true;
        if (state.ErrorBoxFunction) {
            state.ErrorBoxFunction(message);
        } else {
            ShowMessageBox(message, 600, 100);
        }
        showing = false;
    }

    LogError(message);
    if (fatal) EndProgram();
}
