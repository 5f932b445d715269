#include "toolkit/qt/images.h"

#include "toolkit/picture.h"

#include <algorithm>
#include <atomic>
#include <cstdint>

namespace toolkit::qt {

namespace {

std::atomic<int> s_livePictures{0};

void releasePixels(void* pixels) {
    delete[] static_cast<std::uint8_t*>(pixels);
    --s_livePictures;
}

// The image owns a copy of the pixels and frees it, counted, when its last sharer goes.
QImage toQImage(const Image& image) {
    const Image bgra = toBgra32(image);
    if (bgra.empty() || bgra.pixels.empty())
        return {};
    auto* pixels = new std::uint8_t[bgra.pixels.size()];
    std::copy(bgra.pixels.begin(), bgra.pixels.end(), pixels);
    ++s_livePictures;
    // BGRA bytes are Format_ARGB32 words on a little-endian machine.
    return QImage(pixels, bgra.width, bgra.height, bgra.stride(), QImage::Format_ARGB32, releasePixels,
                  pixels);
}

} // namespace

int livePictures() {
    return s_livePictures;
}

QImage loadPicture(const forms::Picture& picture, forms::Colour keyColour) {
    if (picture.empty())
        return {};
    const std::optional<Image> decoded = decodePicture(picture.bytes);
    if (!decoded)
        return {};
    return toQImage(applyKeyColour(*decoded, keyColour));
}

} // namespace toolkit::qt
