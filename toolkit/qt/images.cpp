#include "toolkit/qt/images.h"

#include "toolkit/picture.h"

namespace toolkit::qt {

namespace {

QImage toQImage(const Image& image) {
    const Image bgra = toBgra32(image);
    // BGRA bytes are Format_ARGB32 words on a little-endian machine.
    QImage wrapped(bgra.pixels.data(), bgra.width, bgra.height, bgra.stride(), QImage::Format_ARGB32);
    return wrapped.copy();
}

} // namespace

QImage loadPicture(const forms::Picture& picture, forms::Colour keyColour) {
    if (picture.empty())
        return {};
    const std::optional<Image> decoded = decodePicture(picture.bytes);
    if (!decoded)
        return {};
    return toQImage(applyKeyColour(*decoded, keyColour));
}

} // namespace toolkit::qt
