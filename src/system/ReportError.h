#pragma once
// The one way to report an error. A fatal report shows the message, logs it and ends the
// program with exit code 1.

#include <functional>
#include <string>

#include "system/ErrorReporting.h"

void ReportError(const std::string& message, bool fatal);

// The text written to "ErrorLog.txt": date, time and message, each line ending in CR LF.
std::string ErrorLogText(const std::string& date, const std::string& time,
                         const std::string& message);
