#pragma once

#include "toolkit/picture.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <span>

namespace fuzz {

// The decoders promise either nothing or a complete picture within the size limit; anything in
// between would reach the toolkit as a half-built image, so it counts as a crash here.
[[noreturn]] inline void fault(const char* what) {
    std::fprintf(stderr, "broken promise: %s\n", what);
    std::abort();
}

inline void requireComplete(const toolkit::Image& image, toolkit::PixelFormat format) {
    if (image.width <= 0 || image.height <= 0 || image.width > toolkit::MaxPictureSide ||
        image.height > toolkit::MaxPictureSide)
        fault("size outside the accepted range");
    if (image.format != format)
        fault("unexpected pixel format");
    const std::size_t expected =
        static_cast<std::size_t>(image.stride()) * static_cast<std::size_t>(image.height);
    if (image.pixels.size() != expected)
        fault("pixel buffer does not match the size");
}

// Every pixel of exactly the key colour turns see-through, every other pixel keeps its alpha.
inline void requireKeyed(const toolkit::Image& decoded, const toolkit::Image& keyed, forms::Colour key) {
    requireComplete(keyed, toolkit::PixelFormat::Bgra32);
    if (keyed.width != decoded.width || keyed.height != decoded.height)
        fault("keying changed the size");
    const toolkit::Image opaque = toolkit::toBgra32(decoded);
    const forms::Rgb rgb = forms::toRgb(key);
    for (std::size_t at = 0; at < keyed.pixels.size(); at += 4) {
        const bool isKey = !forms::isSystemDefault(key) && opaque.pixels[at] == rgb.blue &&
                           opaque.pixels[at + 1] == rgb.green && opaque.pixels[at + 2] == rgb.red;
        const std::uint8_t alpha = isKey ? 0 : opaque.pixels[at + 3];
        if (keyed.pixels[at] != opaque.pixels[at] || keyed.pixels[at + 1] != opaque.pixels[at + 1] ||
            keyed.pixels[at + 2] != opaque.pixels[at + 2] || keyed.pixels[at + 3] != alpha)
            fault("key colour applied wrongly");
    }
}

// As the toolkit loads a picture slot: decode by signature, then apply the slot's key colour.
inline std::optional<toolkit::Image> loadLikeTheToolkit(const std::uint8_t* data, std::size_t size,
                                                        toolkit::PixelFormat format,
                                                        std::initializer_list<forms::Colour> keys) {
    const std::span<const std::uint8_t> bytes(data, size);
    std::optional<toolkit::Image> decoded = toolkit::decodePicture(bytes);
    if (!decoded)
        return std::nullopt;
    requireComplete(*decoded, format);
    for (const forms::Colour key : keys)
        requireKeyed(*decoded, toolkit::applyKeyColour(*decoded, key), key);
    return decoded;
}

} // namespace fuzz
