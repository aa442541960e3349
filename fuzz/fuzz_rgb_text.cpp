#include "colour.h"
#include "fuzz_check.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto colour = korvane::RGBTextToColour(text);
    if (!colour)
        return 0;
    // Three pieces need at least two commas.
    FUZZ_CHECK(std::count(text.begin(), text.end(), ',') >= 2);
    FUZZ_CHECK(*colour <= 0xFFFFFF);
    // Written back as an RGB text, the colour converts to itself.
    const std::string again = std::to_string(korvane::RedOf(*colour)) + "," +
                              std::to_string(korvane::GreenOf(*colour)) + "," +
                              std::to_string(korvane::BlueOf(*colour)) + ",";
    const auto reread = korvane::RGBTextToColour(again);
    FUZZ_CHECK(reread && *reread == *colour);
    return 0;
}
