#include "fuzz_picture.h"

// The start button's normal picture, keyed on its light grey.
constexpr forms::Colour ButtonKeyColour = 0x00ECECEC;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool isPng = size >= 8 && data[0] == 0x89 && data[1] == 'P' && data[2] == 'N' && data[3] == 'G';
    if (isPng)
        fuzz::loadLikeTheToolkit(data, size, toolkit::PixelFormat::Bgra32, {ButtonKeyColour});
    return 0;
}
