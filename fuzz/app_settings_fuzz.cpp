// Whatever settings.ini holds, reading it never fails, and what it yields survives a save.
#include "files/app_settings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const AppSettings settings =
        parseAppSettings(std::string_view(reinterpret_cast<const char*>(data), size));
    if (parseAppSettings(appSettingsText(settings)) != settings)
        std::abort();
    return 0;
}
