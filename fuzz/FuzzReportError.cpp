// The fuzz targets read bytes held in memory; an error report or a logged error from there means
// a reader went somewhere it should not, so it stops the run as a finding.

#include <cstdio>
#include <cstdlib>

#include "system/ReportError.h"

void ReportError(const std::string& message, bool fatal) {
    std::fprintf(stderr, "error reported (%s): %s\n", fatal ? "fatal" : "not fatal",
                 message.c_str());
    std::abort();
}

void LogError(const std::string& message) {
    ReportError(message, false);
}
