#include "fuzz_picture.h"

// The window icon has no key colour: its own alpha decides.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool isIco = size >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 1 && data[3] == 0;
    if (!isIco)
        return 0;
    const auto icon =
        fuzz::loadLikeTheToolkit(data, size, toolkit::PixelFormat::Bgra32, {forms::SystemDefault});
    if (icon && (icon->width != 32 || icon->height != 32))
        fuzz::fault("an icon other than 32 x 32 was accepted");
    return 0;
}
