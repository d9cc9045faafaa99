#pragma once
// What the game learns about the machine it runs on.

#include <string>

#include "system/TMemoryStatus.h"

std::string GetOSVersionName();
// The DirectX version name for a registry version value ("4.09.00.0904" is "9.0c"); "" for a
// value the table does not know.
std::string DirectXVersionName(const std::string& registryValue);
// The installed DirectX version; "" where there is none to ask about.
std::string GetDirectXVersion();
// False only for the known versions before 7; unknown or missing versions pass.
bool IsDirectX7OrBetter(const std::string& versionName);
bool IsDirectX7OrBetter();
TMemoryStatus MemoryStatus();
