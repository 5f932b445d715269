#pragma once

#include "forms/colour.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace toolkit {

enum class PixelFormat { Rgb24, Bgra32 };

struct Image {
    int width = 0;
    int height = 0;
    PixelFormat format = PixelFormat::Bgra32;
    std::vector<std::uint8_t> pixels; // rows top to bottom, no padding: width * (3 or 4) bytes per row

    int bytesPerPixel() const { return format == PixelFormat::Rgb24 ? 3 : 4; }
    int stride() const { return width * bytesPerPixel(); }
    bool empty() const { return width <= 0 || height <= 0; }
};

// The largest side a picture may declare; anything larger is refused before any pixel memory is allocated.
inline constexpr int MaxPictureSide = 4096;

std::optional<Image> decodeJpeg(std::span<const std::uint8_t> data); // libjpeg from memory -> Rgb24 rows
std::optional<Image> decodePng(std::span<const std::uint8_t> data);  // libpng simplified API -> Bgra32
std::optional<Image> decodeIco(std::span<const std::uint8_t> data);  // the one 32x32, 32-bpp image -> Bgra32
std::optional<Image> decodePicture(std::span<const std::uint8_t> data); // by signature: JPEG, PNG or ICO

Image toBgra32(const Image& image); // Rgb24 -> Bgra32 (alpha 255); Bgra32 unchanged

// Pixels whose red, green and blue equal the key colour (0x00BBGGRR) become fully transparent (alpha 0).
// SystemDefault (0xFF000000) as key means no key colour. Returns a Bgra32 image.
Image applyKeyColour(const Image& image, forms::Colour key);

} // namespace toolkit
