// Arbitrary bytes as a settings file (see support/settings_check.h).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "support/settings_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    pelin::testing::checkSettingsInput(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
