// libFuzzer target: any "corvanth.cfg" text scans safely, and what it gives survives a rewrite.
#include "common/settings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    crv::Settings settings = crv::gameDefaultSettings;
    const int taken = crv::scanSettings(text, settings);
    if (taken < 0 || taken > 10) {
        std::abort();
    }
    crv::Settings again = crv::frontEndDefaultSettings;
    const std::string written = crv::formatSettings(settings);
    if (crv::scanSettings(written, again) != 10 || crv::formatSettings(again) != written) {
        std::abort();
    }
    const crv::GameSettings game = crv::deriveGameSettings(settings);
    if (!(game.gammaFactor >= 0.7f && game.gammaFactor <= 1.3f) || game.screenWidth < 512) {
        std::abort();
    }
    return 0;
}
