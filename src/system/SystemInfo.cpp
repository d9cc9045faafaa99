#include "system/SystemInfo.h"

#include "media/Platform.h"

std::string GetOSVersionName() {
    return media::OSName();
}
