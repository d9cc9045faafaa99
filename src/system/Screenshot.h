#pragma once
// Screenshots named by the moment they were taken.

#include <string>

#include "system/TDateTime.h"

// "YYYY-MM-DD HHNNSS screenshot.png" for the moment.
std::string ScreenshotName(const TDateTime& moment);
// Saves the whole canvas as PNG into folder (the current folder for ""). Returns the file's
// path, or "" when the picture could not be taken or written.
std::string SaveScreenshot(const std::string& folder);
