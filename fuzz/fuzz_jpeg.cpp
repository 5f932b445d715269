#include "fuzz_picture.h"

// The background JPEG is shown as it is; the same picture on the start button is keyed on white.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const bool isJpeg = size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
    if (isJpeg)
        fuzz::loadLikeTheToolkit(data, size, toolkit::PixelFormat::Rgb24,
                                 {forms::SystemDefault, forms::White});
    return 0;
}
