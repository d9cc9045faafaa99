#pragma once
// The one way to report an error. A fatal report shows the message, logs it and ends the
// program with exit code 1.

#include <functional>
#include <string>

void ReportError(const std::string& message, bool fatal);
