#pragma once
// The one way to report an error. A fatal report shows the message, logs it and ends the
// program with exit code 1.

#include <functional>
#include <string>

#include "system/ErrorReporting.h"

void ReportError(const std::string& message, bool fatal);

// Writes the message to the error log only: for a fault the game mended by itself, which is
// worth a record but not a box in the player's way.
void LogError(const std::string& message);

// The one way a fatal error ends the program where the game's own box cannot be drawn (before
// the screens exist, or when the display itself failed): the message goes to the system's box
// (`serious`: as an error rather than a notice), BeforeExitFunction runs, and the program ends
// with exit code 1. ReportError ends the same way.
[[noreturn]] void EndProgramWithError(const std::string& message, bool serious);

// The text written to "ErrorLog.txt": date, time and message, each line ending in CR LF.
std::string ErrorLogText(const std::string& date, const std::string& time,
                         const std::string& message);
