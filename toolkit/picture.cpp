#include "toolkit/picture.h"

#include <algorithm>
#include <array>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>
#include <png.h>

namespace toolkit {

namespace {

bool isAcceptableSize(long long width, long long height) {
    return width > 0 && height > 0 && width <= MaxPictureSide && height <= MaxPictureSide;
}

std::size_t pixelBytes(const Image& image) {
    return static_cast<std::size_t>(image.stride()) * static_cast<std::size_t>(image.height);
}

bool isWellFormed(const Image& image) {
    return !image.empty() && image.pixels.size() == pixelBytes(image);
}

Image blankImage(int width, int height, PixelFormat format) {
    Image image;
    image.width = width;
    image.height = height;
    image.format = format;
    image.pixels.assign(pixelBytes(image), 0);
    return image;
}

bool fits(std::span<const std::uint8_t> data, std::uint64_t offset, std::uint64_t size) {
    return offset <= data.size() && size <= data.size() - offset;
}

std::uint16_t littleEndian16(std::span<const std::uint8_t> data, std::size_t offset) {
    return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

std::uint32_t littleEndian32(std::span<const std::uint8_t> data, std::size_t offset) {
    return static_cast<std::uint32_t>(littleEndian16(data, offset)) |
           (static_cast<std::uint32_t>(littleEndian16(data, offset + 2)) << 16);
}

std::uint32_t bigEndian32(std::span<const std::uint8_t> data, std::size_t offset) {
    return (static_cast<std::uint32_t>(data[offset]) << 24) |
           (static_cast<std::uint32_t>(data[offset + 1]) << 16) |
           (static_cast<std::uint32_t>(data[offset + 2]) << 8) | static_cast<std::uint32_t>(data[offset + 3]);
}

template <std::size_t N>
bool startsWith(std::span<const std::uint8_t> data, const std::array<std::uint8_t, N>& prefix) {
    return data.size() >= N && std::equal(prefix.begin(), prefix.end(), data.begin());
}

constexpr std::array<std::uint8_t, 3> JpegSignature = {0xFF, 0xD8, 0xFF};
constexpr std::array<std::uint8_t, 8> PngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::array<std::uint8_t, 4> IcoSignature = {0x00, 0x00, 0x01, 0x00};

struct JpegErrors {
    jpeg_error_mgr manager{};
    std::jmp_buf escape{};
};

[[noreturn]] void abandonJpeg(j_common_ptr decoder) {
    std::longjmp(reinterpret_cast<JpegErrors*>(decoder->err)->escape, 1);
}

// libjpeg reports truncated or corrupt data only as a warning and pads the picture with grey;
// such a picture is refused rather than shown half-drawn.
void refuseOnWarning(j_common_ptr decoder, int level) {
    if (level < 0)
        abandonJpeg(decoder);
}

void stayQuiet(j_common_ptr) {}

// Each scan of a progressive JPEG is a pass over the whole picture, and a file may legally hold
// thousands, so a small file could keep the decoder busy for seconds. Encoders write about ten.
constexpr int MaxJpegScans = 100;

void refuseEndlessScans(j_common_ptr decoder) {
    if (reinterpret_cast<j_decompress_ptr>(decoder)->input_scan_number > MaxJpegScans)
        abandonJpeg(decoder);
}

// libjpeg leaves through longjmp on any error. All state lives with the caller, and no object on this
// frame needs destroying, so the jump back to the setjmp below skips nothing that matters.
bool readJpeg(jpeg_decompress_struct& decoder, JpegErrors& errors, jpeg_progress_mgr& progress,
              std::span<const std::uint8_t> data, Image& image) {
    if (setjmp(errors.escape) != 0)
        return false;
    jpeg_create_decompress(&decoder);
    progress.progress_monitor = refuseEndlessScans;
    decoder.progress = &progress;
    jpeg_mem_src(&decoder, data.data(), static_cast<unsigned long>(data.size()));
    if (jpeg_read_header(&decoder, TRUE) != JPEG_HEADER_OK)
        return false;
    if (!isAcceptableSize(decoder.image_width, decoder.image_height))
        return false;
    decoder.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decoder);
    if (decoder.output_components != 3 || decoder.output_width != decoder.image_width ||
        decoder.output_height != decoder.image_height)
        return false;
    image = blankImage(static_cast<int>(decoder.output_width), static_cast<int>(decoder.output_height),
                       PixelFormat::Rgb24);
    while (decoder.output_scanline < decoder.output_height) {
        JSAMPROW row =
            image.pixels.data() + static_cast<std::size_t>(decoder.output_scanline) * image.stride();
        if (jpeg_read_scanlines(&decoder, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&decoder);
    return true;
}

struct PngHeader {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bitDepth = 0;
    std::uint8_t colourType = 0;
};

constexpr std::uint8_t PngRgbaColourType = 6;

// The IHDR chunk must come first; reading it here lets the size and pixel layout be checked before libpng
// is asked for anything.
std::optional<PngHeader> readPngHeader(std::span<const std::uint8_t> data) {
    constexpr std::size_t ChunkStart = PngSignature.size();
    constexpr std::uint32_t IhdrLength = 13;
    constexpr std::array<std::uint8_t, 4> IhdrType = {'I', 'H', 'D', 'R'};
    if (!startsWith(data, PngSignature) || !fits(data, ChunkStart, 8 + IhdrLength))
        return std::nullopt;
    if (bigEndian32(data, ChunkStart) != IhdrLength || !startsWith(data.subspan(ChunkStart + 4), IhdrType))
        return std::nullopt;
    const std::size_t fields = ChunkStart + 8;
    PngHeader header;
    header.width = bigEndian32(data, fields);
    header.height = bigEndian32(data, fields + 4);
    header.bitDepth = data[fields + 8];
    header.colourType = data[fields + 9];
    return header;
}

bool isAcceptablePngHeader(const PngHeader& header) {
    return header.bitDepth == 8 && header.colourType == PngRgbaColourType &&
           isAcceptableSize(header.width, header.height);
}

// libpng's simplified reader stops once it has the pixels, so a file cut off after its image data would
// pass; walking the chunks to IEND refuses it like any other truncated file.
bool reachesPngEnd(std::span<const std::uint8_t> data) {
    constexpr std::array<std::uint8_t, 4> IendType = {'I', 'E', 'N', 'D'};
    constexpr std::uint64_t ChunkFraming = 12;
    std::uint64_t at = PngSignature.size();
    while (fits(data, at, ChunkFraming)) {
        const std::uint64_t length = bigEndian32(data, static_cast<std::size_t>(at));
        if (!fits(data, at, ChunkFraming + length))
            return false;
        if (startsWith(data.subspan(static_cast<std::size_t>(at) + 4), IendType))
            return true;
        at += ChunkFraming + length;
    }
    return false;
}

std::optional<Image> failPng(png_image& png) {
    png_image_free(&png);
    return std::nullopt;
}

constexpr int IconSide = 32;
constexpr std::size_t IconDirectorySize = 6;
constexpr std::size_t IconEntrySize = 16;
constexpr std::uint32_t DibHeaderSize = 40;
constexpr std::uint32_t DibUncompressed = 0;
constexpr std::size_t IconRowBytes = IconSide * 4;
constexpr std::size_t IconColourBytes = IconRowBytes * IconSide;
// One bit a pixel, each row padded to 32 bits.
constexpr std::size_t IconMaskRowBytes = ((IconSide + 31) / 32) * 4;
constexpr std::size_t IconMaskBytes = IconMaskRowBytes * IconSide;

struct IconEntry {
    int width = 0;
    int height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t size = 0;
    std::uint32_t offset = 0;
};

std::optional<IconEntry> readFirstIconEntry(std::span<const std::uint8_t> data) {
    if (!fits(data, 0, IconDirectorySize) || !startsWith(data, IcoSignature))
        return std::nullopt;
    const std::uint16_t count = littleEndian16(data, 4);
    if (count == 0 || !fits(data, IconDirectorySize, std::uint64_t{count} * IconEntrySize))
        return std::nullopt;
    const std::size_t at = IconDirectorySize;
    // A stored side of 0 stands for 256.
    IconEntry entry;
    entry.width = data[at] == 0 ? 256 : data[at];
    entry.height = data[at + 1] == 0 ? 256 : data[at + 1];
    entry.bitCount = littleEndian16(data, at + 6);
    entry.size = littleEndian32(data, at + 8);
    entry.offset = littleEndian32(data, at + 12);
    return entry;
}

bool isAcceptableIconEntry(const IconEntry& entry, std::span<const std::uint8_t> data) {
    // Some writers leave the entry's bit count at 0; the bitmap header below is what counts.
    return entry.width == IconSide && entry.height == IconSide &&
           (entry.bitCount == 32 || entry.bitCount == 0) && entry.size >= DibHeaderSize + IconColourBytes &&
           fits(data, entry.offset, entry.size);
}

// The bitmap's height covers the colour rows and the mask rows together, hence twice the side.
bool isAcceptableIconBitmap(std::span<const std::uint8_t> bitmap) {
    return littleEndian32(bitmap, 0) == DibHeaderSize &&
           static_cast<std::int32_t>(littleEndian32(bitmap, 4)) == IconSide &&
           static_cast<std::int32_t>(littleEndian32(bitmap, 8)) == 2 * IconSide &&
           littleEndian16(bitmap, 12) == 1 && littleEndian16(bitmap, 14) == 32 &&
           littleEndian32(bitmap, 16) == DibUncompressed;
}

bool hasNoAlpha(const Image& image) {
    for (std::size_t i = 3; i < image.pixels.size(); i += 4) {
        if (image.pixels[i] != 0)
            return false;
    }
    return true;
}

// Old-style icons leave the alpha bytes at zero and mark their transparent pixels in the AND mask.
void alphaFromMask(Image& image, std::span<const std::uint8_t> mask) {
    for (int y = 0; y < IconSide; ++y) {
        const std::span<const std::uint8_t> maskRow =
            mask.subspan(static_cast<std::size_t>(IconSide - 1 - y) * IconMaskRowBytes, IconMaskRowBytes);
        for (int x = 0; x < IconSide; ++x) {
            const bool transparent = (maskRow[x / 8] >> (7 - x % 8)) & 1;
            image.pixels[static_cast<std::size_t>(y) * IconRowBytes + x * 4 + 3] = transparent ? 0 : 255;
        }
    }
}

} // namespace

std::optional<Image> decodeJpeg(std::span<const std::uint8_t> data) {
    JpegErrors errors;
    jpeg_decompress_struct decoder{};
    decoder.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = abandonJpeg;
    errors.manager.emit_message = refuseOnWarning;
    errors.manager.output_message = stayQuiet;
    jpeg_progress_mgr progress{};
    Image image;
    const bool decoded = readJpeg(decoder, errors, progress, data, image);
    jpeg_destroy_decompress(&decoder);
    if (!decoded)
        return std::nullopt;
    return image;
}

std::optional<Image> decodePng(std::span<const std::uint8_t> data) {
    const std::optional<PngHeader> header = readPngHeader(data);
    if (!header || !isAcceptablePngHeader(*header) || !reachesPngEnd(data))
        return std::nullopt;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.data(), data.size()))
        return failPng(png);
    if (!isAcceptableSize(png.width, png.height))
        return failPng(png);
    png.format = PNG_FORMAT_BGRA;
    Image image = blankImage(static_cast<int>(png.width), static_cast<int>(png.height), PixelFormat::Bgra32);
    if (!png_image_finish_read(&png, nullptr, image.pixels.data(), image.stride(), nullptr))
        return failPng(png);
    return image;
}

std::optional<Image> decodeIco(std::span<const std::uint8_t> data) {
    const std::optional<IconEntry> entry = readFirstIconEntry(data);
    if (!entry || !isAcceptableIconEntry(*entry, data))
        return std::nullopt;
    const std::span<const std::uint8_t> bitmap = data.subspan(entry->offset, entry->size);
    if (!isAcceptableIconBitmap(bitmap))
        return std::nullopt;
    const std::span<const std::uint8_t> colour = bitmap.subspan(DibHeaderSize, IconColourBytes);
    Image image = blankImage(IconSide, IconSide, PixelFormat::Bgra32);
    for (int y = 0; y < IconSide; ++y) {
        const auto sourceRow =
            colour.subspan(static_cast<std::size_t>(IconSide - 1 - y) * IconRowBytes, IconRowBytes);
        std::copy(sourceRow.begin(), sourceRow.end(), image.pixels.begin() + y * IconRowBytes);
    }
    const std::size_t maskStart = DibHeaderSize + IconColourBytes;
    if (hasNoAlpha(image) && bitmap.size() >= maskStart + IconMaskBytes)
        alphaFromMask(image, bitmap.subspan(maskStart, IconMaskBytes));
    return image;
}

std::optional<Image> decodePicture(std::span<const std::uint8_t> data) {
    if (startsWith(data, JpegSignature))
        return decodeJpeg(data);
    if (startsWith(data, PngSignature))
        return decodePng(data);
    if (startsWith(data, IcoSignature))
        return decodeIco(data);
    return std::nullopt;
}

Image toBgra32(const Image& image) {
    if (image.format == PixelFormat::Bgra32)
        return image;
    if (!isWellFormed(image))
        return {};
    Image converted = blankImage(image.width, image.height, PixelFormat::Bgra32);
    auto out = converted.pixels.begin();
    for (auto in = image.pixels.begin(); in != image.pixels.end(); in += 3) {
        *out++ = in[2];
        *out++ = in[1];
        *out++ = in[0];
        *out++ = 255;
    }
    return converted;
}

Image applyKeyColour(const Image& image, forms::Colour key) {
    Image keyed = toBgra32(image);
    if (forms::isSystemDefault(key) || !isWellFormed(keyed))
        return keyed;
    const forms::Rgb rgb = forms::toRgb(key);
    for (auto pixel = keyed.pixels.begin(); pixel != keyed.pixels.end(); pixel += 4) {
        if (pixel[0] == rgb.blue && pixel[1] == rgb.green && pixel[2] == rgb.red)
            pixel[3] = 0;
    }
    return keyed;
}

} // namespace toolkit
