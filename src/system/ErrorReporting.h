#pragma once
// How errors are shown and logged. The host switches ErrorsOnScreen on once its screens exist;
// before that an error can only be shown in a system message box.

#include <functional>
#include <string>

struct ErrorReporting {
    int ErrorsOnScreen = 0;
    int ErrorLogEnabled = 1;
    // Folder that receives "ErrorLog.txt" (with its trailing "/"; empty for the current folder).
    std::string ErrorLogFolder;
    // Shows a message in the game's own box; ShowMessageBox is used until the host sets one.
    std::function<void(const std::string& message)> ErrorBoxFunction;
    // Runs just before a reported error ends the program, e.g. to close the display and sound.
    std::function<void()> BeforeExitFunction;
};

ErrorReporting& Errors();
