#include "toolkit/picture.h"

#include "quorvane_artwork.h"

#include <QByteArray>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <vector>

#include <jpeglib.h>
#include <zlib.h>

using toolkit::Image;
using toolkit::PixelFormat;

namespace {

enum class Decoder { Jpeg, Png, Ico };

std::span<const std::uint8_t> bytesOf(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

QByteArray copyOf(std::span<const std::uint8_t> data) {
    return QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
}

const char* nameOf(Decoder decoder) {
    switch (decoder) {
    case Decoder::Jpeg: return "jpeg";
    case Decoder::Png: return "png";
    case Decoder::Ico: return "ico";
    }
    return "?";
}

std::optional<Image> decodeWith(Decoder decoder, std::span<const std::uint8_t> data) {
    switch (decoder) {
    case Decoder::Jpeg: return toolkit::decodeJpeg(data);
    case Decoder::Png: return toolkit::decodePng(data);
    case Decoder::Ico: return toolkit::decodeIco(data);
    }
    return std::nullopt;
}

struct Bgra {
    int blue = 0;
    int green = 0;
    int red = 0;
    int alpha = 0;
};

Bgra bgraAt(const Image& image, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y) * image.stride() + static_cast<std::size_t>(x) * 4;
    return {image.pixels[at], image.pixels[at + 1], image.pixels[at + 2], image.pixels[at + 3]};
}

bool isWhiteRgb(const Image& image, int x, int y) {
    const std::size_t at = static_cast<std::size_t>(y) * image.stride() + static_cast<std::size_t>(x) * 3;
    return image.pixels[at] == 255 && image.pixels[at + 1] == 255 && image.pixels[at + 2] == 255;
}

void putBigEndian32(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

void putLittleEndian(QByteArray& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void setLittleEndian(QByteArray& out, qsizetype at, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

void appendPngChunk(QByteArray& out, const char* type, const QByteArray& body) {
    putBigEndian32(out, static_cast<std::uint32_t>(body.size()));
    const QByteArray typed = QByteArray(type, 4) + body;
    out.append(typed);
    putBigEndian32(out, static_cast<std::uint32_t>(
                            crc32(0, reinterpret_cast<const Bytef*>(typed.constData()), typed.size())));
}

// A well-formed PNG with valid checksums, so that only the property under test can make it unacceptable.
// `rows` are the raw scanlines without their filter bytes.
QByteArray makePng(std::uint32_t width, std::uint32_t height, int bitDepth, int colourType,
                   const QList<QByteArray>& rows) {
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    putBigEndian32(header, width);
    putBigEndian32(header, height);
    header.append(static_cast<char>(bitDepth));
    header.append(static_cast<char>(colourType));
    header.append(QByteArray(3, '\0'));
    appendPngChunk(png, "IHDR", header);
    QByteArray raw;
    for (const QByteArray& row : rows)
        raw.append('\0').append(row);
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    QByteArray packed(static_cast<qsizetype>(packedSize), '\0');
    compress(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
             reinterpret_cast<const Bytef*>(raw.constData()), static_cast<uLong>(raw.size()));
    packed.resize(static_cast<qsizetype>(packedSize));
    appendPngChunk(png, "IDAT", packed);
    appendPngChunk(png, "IEND", {});
    return png;
}

// A JPEG from libjpeg's own encoder; `colourAt` gives the red-green-blue of each pixel and `configure`
// sets the encoder up after its defaults (a baseline picture of quality 95 unless it says otherwise).
template <typename ColourAt, typename Configure>
QByteArray makeJpeg(int width, int height, ColourAt colourAt, Configure configure) {
    jpeg_compress_struct encoder{};
    jpeg_error_mgr errors{};
    encoder.err = jpeg_std_error(&errors);
    jpeg_create_compress(&encoder);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&encoder, &buffer, &size);
    encoder.image_width = static_cast<JDIMENSION>(width);
    encoder.image_height = static_cast<JDIMENSION>(height);
    encoder.input_components = 3;
    encoder.in_color_space = JCS_RGB;
    jpeg_set_defaults(&encoder);
    configure(encoder);
    jpeg_start_compress(&encoder, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::array<JSAMPLE, 3> rgb = colourAt(x, y);
            std::copy(rgb.begin(), rgb.end(), row.begin() + x * 3);
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&encoder, rows, 1);
    }
    jpeg_finish_compress(&encoder);
    jpeg_destroy_compress(&encoder);
    QByteArray jpeg(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return jpeg;
}

template <typename ColourAt> QByteArray makeJpeg(int width, int height, ColourAt colourAt) {
    return makeJpeg(width, height, colourAt,
                    [](jpeg_compress_struct& encoder) { jpeg_set_quality(&encoder, 95, TRUE); });
}

std::array<JSAMPLE, 3> redAboveBlue(int, int y) {
    return y < 8 ? std::array<JSAMPLE, 3>{255, 0, 0} : std::array<JSAMPLE, 3>{0, 0, 255};
}

// A progressive 16 x 16 JPEG of red above blue in `scans` scans: the DC coefficients of all three
// components first, then one AC coefficient of one component per scan (at most 190 scans). Each 8 x 8
// block is of one colour, so the DC scan alone already gives the whole picture.
QByteArray makeProgressiveJpeg(int scans) {
    std::vector<jpeg_scan_info> script(static_cast<std::size_t>(scans));
    script[0].comps_in_scan = 3;
    script[0].component_index[1] = 1;
    script[0].component_index[2] = 2;
    for (int i = 1; i < scans; ++i) {
        script[i].comps_in_scan = 1;
        script[i].component_index[0] = (i - 1) % 3;
        script[i].Ss = script[i].Se = (i - 1) / 3 + 1;
    }
    return makeJpeg(16, 16, redAboveBlue, [&](jpeg_compress_struct& encoder) {
        encoder.scan_info = script.data();
        encoder.num_scans = scans;
    });
}

// The icon as the program stores it: one 32 x 32 entry, a bottom-up BGRA bitmap and its AND mask.
// `colour` gives the BGRA of each pixel, top row first; `masked` says which pixels the AND mask marks.
template <typename ColourAt, typename MaskedAt> QByteArray makeIco(ColourAt colour, MaskedAt masked) {
    constexpr int side = 32;
    QByteArray bitmap;
    putLittleEndian(bitmap, 40, 4);
    putLittleEndian(bitmap, side, 4);
    putLittleEndian(bitmap, side * 2, 4);
    putLittleEndian(bitmap, 1, 2);
    putLittleEndian(bitmap, 32, 2);
    putLittleEndian(bitmap, 0, 4);
    putLittleEndian(bitmap, side * side * 4 + side * 4, 4);
    bitmap.append(QByteArray(16, '\0'));
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x)
            putLittleEndian(bitmap, colour(x, y), 4);
    }
    for (int y = side - 1; y >= 0; --y) {
        std::uint32_t bits = 0;
        for (int x = 0; x < side; ++x)
            bits |= masked(x, y) ? (1u << (31 - x)) : 0u;
        putBigEndian32(bitmap, bits);
    }
    QByteArray ico;
    putLittleEndian(ico, 0, 2);
    putLittleEndian(ico, 1, 2);
    putLittleEndian(ico, 1, 2);
    ico.append(static_cast<char>(side)).append(static_cast<char>(side)).append(QByteArray(2, '\0'));
    putLittleEndian(ico, 1, 2);
    putLittleEndian(ico, 32, 2);
    putLittleEndian(ico, static_cast<std::uint32_t>(bitmap.size()), 4);
    putLittleEndian(ico, 22, 4);
    return ico + bitmap;
}

// Where the frame header's fields start in a baseline JPEG: precision, height, width, components.
qsizetype jpegFrameFields(const QByteArray& jpeg) {
    const qsizetype marker = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    return marker < 0 ? -1 : marker + 4;
}

constexpr qsizetype IcoEntry = 6;
constexpr qsizetype IcoBitmap = 22;

QByteArray flipped(QByteArray data, qsizetype at) {
    data[at] = static_cast<char>(~data[at]);
    return data;
}

QByteArray withByte(QByteArray data, qsizetype at, int value) {
    data[at] = static_cast<char>(value);
    return data;
}

QByteArray withLittleEndian(QByteArray data, qsizetype at, std::uint32_t value, int bytes) {
    setLittleEndian(data, at, value, bytes);
    return data;
}

QByteArray withJpegSize(QByteArray jpeg, int width, int height) {
    const qsizetype fields = jpegFrameFields(jpeg);
    jpeg[fields + 1] = static_cast<char>(height >> 8);
    jpeg[fields + 2] = static_cast<char>(height & 0xFF);
    jpeg[fields + 3] = static_cast<char>(width >> 8);
    jpeg[fields + 4] = static_cast<char>(width & 0xFF);
    return jpeg;
}

QList<QByteArray> rgbaRows(int width, int height) {
    return QList<QByteArray>(height, QByteArray(width * 4, '\x7F'));
}

} // namespace

Q_DECLARE_METATYPE(Decoder)
Q_DECLARE_METATYPE(PixelFormat)

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void artworkDecodes_data();
    void artworkDecodes();
    void backgroundHasExactWhiteUnderTheButtonAndElsewhere();
    void buttonPictureIsOpaqueAndFreeOfItsKeyColour();
    void iconHasSeeThroughCornersAndAnOpaqueMark();
    void jpegDecodesToRgbInRowOrder();
    void progressiveJpegDecodes_data();
    void progressiveJpegDecodes();
    void pngDecodesToBgraInRowOrder();
    void icoRowsAreStoredBottomUp();
    void icoAlpha_data();
    void icoAlpha();
    void toBgra32SwapsChannelsAndAddsOpaqueAlpha();
    void keyColour_data();
    void keyColour();
    void keyColourOnBackgroundClearsExactlyTheWhitePixels();
    void brokenInputIsRefused_data();
    void brokenInputIsRefused();
};

void TestPictures::artworkDecodes_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Decoder>("decoder");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<PixelFormat>("format");
    QTest::newRow("background jpeg") << copyOf(assets::BackgroundJpg) << Decoder::Jpeg << 248 << 248
                                     << PixelFormat::Rgb24;
    QTest::newRow("button png") << copyOf(assets::ButtonPng) << Decoder::Png << 345 << 323
                                << PixelFormat::Bgra32;
    QTest::newRow("icon") << copyOf(assets::QuorvaneIco) << Decoder::Ico << 32 << 32 << PixelFormat::Bgra32;
}

void TestPictures::artworkDecodes() {
    QFETCH(QByteArray, data);
    QFETCH(Decoder, decoder);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(PixelFormat, format);
    const std::optional<Image> direct = decodeWith(decoder, bytesOf(data));
    QVERIFY(direct.has_value());
    QCOMPARE(direct->width, width);
    QCOMPARE(direct->height, height);
    QVERIFY(direct->format == format);
    QCOMPARE(direct->pixels.size(), static_cast<std::size_t>(direct->stride()) * height);
    const std::optional<Image> bySignature = toolkit::decodePicture(bytesOf(data));
    QVERIFY(bySignature.has_value());
    QVERIFY(bySignature->pixels == direct->pixels);
}

void TestPictures::backgroundHasExactWhiteUnderTheButtonAndElsewhere() {
    const std::optional<Image> background = toolkit::decodeJpeg(assets::BackgroundJpg);
    QVERIFY(background.has_value());
    int whiteInFace = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 88; ++x)
            whiteInFace += isWhiteRgb(*background, x, y);
    }
    int whiteInLowerRight = 0;
    for (int y = 124; y < 248; ++y) {
        for (int x = 124; x < 248; ++x)
            whiteInLowerRight += isWhiteRgb(*background, x, y);
    }
    QVERIFY2(whiteInFace >= 88 * 32 / 2, qPrintable(QString::number(whiteInFace)));
    QVERIFY2(whiteInLowerRight >= 1000, qPrintable(QString::number(whiteInLowerRight)));
}

void TestPictures::buttonPictureIsOpaqueAndFreeOfItsKeyColour() {
    const std::optional<Image> button = toolkit::decodePng(assets::ButtonPng);
    QVERIFY(button.has_value());
    int translucent = 0;
    int keyColoured = 0;
    for (int y = 0; y < button->height; ++y) {
        for (int x = 0; x < button->width; ++x) {
            const Bgra pixel = bgraAt(*button, x, y);
            translucent += pixel.alpha != 255;
            keyColoured += pixel.red == 0xEC && pixel.green == 0xEC && pixel.blue == 0xEC;
        }
    }
    QCOMPARE(translucent, 0);
    QCOMPARE(keyColoured, 0);
}

void TestPictures::iconHasSeeThroughCornersAndAnOpaqueMark() {
    const std::optional<Image> icon = toolkit::decodeIco(assets::QuorvaneIco);
    QVERIFY(icon.has_value());
    QCOMPARE(bgraAt(*icon, 0, 0).alpha, 0);
    QCOMPARE(bgraAt(*icon, 31, 31).alpha, 0);
    const Bgra centre = bgraAt(*icon, 16, 16);
    QCOMPARE(centre.alpha, 255);
    QCOMPARE(centre.red, 255);
    const Bgra tile = bgraAt(*icon, 5, 16);
    QCOMPARE(tile.alpha, 255);
    QVERIFY(tile.red > tile.blue);
}

void TestPictures::jpegDecodesToRgbInRowOrder() {
    const QByteArray jpeg = makeJpeg(16, 16, redAboveBlue);
    const std::optional<Image> image = toolkit::decodeJpeg(bytesOf(jpeg));
    QVERIFY(image.has_value());
    QVERIFY(image->format == PixelFormat::Rgb24);
    const auto channel = [&](int x, int y, int c) {
        return int{image->pixels[static_cast<std::size_t>(y) * image->stride() + x * 3 + c]};
    };
    for (int x : {0, 7, 15}) {
        QVERIFY(channel(x, 2, 0) > 230 && channel(x, 2, 2) < 30);
        QVERIFY(channel(x, 13, 2) > 230 && channel(x, 13, 0) < 30);
    }
}

void TestPictures::progressiveJpegDecodes_data() {
    QTest::addColumn<int>("scans");
    QTest::newRow("10 scans, as encoders write them") << 10;
    QTest::newRow("100 scans, the most accepted") << 100;
}

void TestPictures::progressiveJpegDecodes() {
    QFETCH(int, scans);
    const std::optional<Image> image = toolkit::decodeJpeg(bytesOf(makeProgressiveJpeg(scans)));
    QVERIFY(image.has_value());
    const auto channel = [&](int x, int y, int c) {
        return int{image->pixels[static_cast<std::size_t>(y) * image->stride() + x * 3 + c]};
    };
    for (int x : {0, 7, 15}) {
        QVERIFY(channel(x, 2, 0) > 230 && channel(x, 2, 2) < 30);
        QVERIFY(channel(x, 13, 2) > 230 && channel(x, 13, 0) < 30);
    }
}

void TestPictures::pngDecodesToBgraInRowOrder() {
    const QByteArray png = makePng(2, 2, 8, 6,
                                   {QByteArray("\x10\x20\x30\xFF\x40\x50\x60\x80", 8),
                                    QByteArray("\x70\x80\x90\x00\xA0\xB0\xC0\xFF", 8)});
    const std::optional<Image> image = toolkit::decodePng(bytesOf(png));
    QVERIFY(image.has_value());
    QVERIFY(image->format == PixelFormat::Bgra32);
    const std::vector<std::uint8_t> expected = {0x30, 0x20, 0x10, 0xFF, 0x60, 0x50, 0x40, 0x80,
                                                0x90, 0x80, 0x70, 0x00, 0xC0, 0xB0, 0xA0, 0xFF};
    QVERIFY(image->pixels == expected);
}

void TestPictures::icoRowsAreStoredBottomUp() {
    const QByteArray ico =
        makeIco([](int x, int y) { return 0xFF000000u | static_cast<std::uint32_t>(y << 8 | x); },
                [](int, int) { return false; });
    const std::optional<Image> image = toolkit::decodeIco(bytesOf(ico));
    QVERIFY(image.has_value());
    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {7, 20}}) {
        const Bgra pixel = bgraAt(*image, x, y);
        QCOMPARE(pixel.blue, x);
        QCOMPARE(pixel.green, y);
        QCOMPARE(pixel.alpha, 255);
    }
}

void TestPictures::icoAlpha_data() {
    QTest::addColumn<std::uint32_t>("alpha");
    QTest::addColumn<int>("maskedAlpha");
    QTest::addColumn<int>("unmaskedAlpha");
    QTest::newRow("alpha channel in use: the mask is ignored") << 0x80u << 0x80 << 0x80;
    QTest::newRow("alpha channel all zero: the mask decides") << 0x00u << 0 << 255;
}

void TestPictures::icoAlpha() {
    QFETCH(std::uint32_t, alpha);
    QFETCH(int, maskedAlpha);
    QFETCH(int, unmaskedAlpha);
    const auto masked = [](int x, int y) { return x < 4 && y < 2; };
    const QByteArray ico = makeIco([alpha](int, int) { return alpha << 24 | 0x336699u; }, masked);
    const std::optional<Image> image = toolkit::decodeIco(bytesOf(ico));
    QVERIFY(image.has_value());
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const Bgra pixel = bgraAt(*image, x, y);
            QCOMPARE(pixel.alpha, masked(x, y) ? maskedAlpha : unmaskedAlpha);
            QCOMPARE(pixel.red, 0x33);
            QCOMPARE(pixel.blue, 0x99);
        }
    }
}

void TestPictures::toBgra32SwapsChannelsAndAddsOpaqueAlpha() {
    Image rgb;
    rgb.width = 2;
    rgb.height = 1;
    rgb.format = PixelFormat::Rgb24;
    rgb.pixels = {1, 2, 3, 4, 5, 6};
    const Image bgra = toolkit::toBgra32(rgb);
    QVERIFY(bgra.format == PixelFormat::Bgra32);
    QCOMPARE(bgra.width, 2);
    QCOMPARE(bgra.height, 1);
    QVERIFY((bgra.pixels == std::vector<std::uint8_t>{3, 2, 1, 255, 6, 5, 4, 255}));
    QVERIFY(toolkit::toBgra32(bgra).pixels == bgra.pixels);
}

void TestPictures::keyColour_data() {
    QTest::addColumn<PixelFormat>("format");
    QTest::addColumn<forms::Colour>("key");
    QTest::addColumn<QList<int>>("expectedAlpha");
    // The pixels, left to right, in red-green-blue: ECECEC, ECECED, EDECEC, FFFFFF, 0000FF, FF0000.
    QTest::newRow("grey key, rgb") << PixelFormat::Rgb24 << forms::Colour{0x00ECECEC}
                                   << QList<int>{0, 255, 255, 255, 255, 255};
    QTest::newRow("grey key, bgra") << PixelFormat::Bgra32 << forms::Colour{0x00ECECEC}
                                    << QList<int>{0, 200, 200, 200, 200, 200};
    QTest::newRow("white key") << PixelFormat::Rgb24 << forms::White
                               << QList<int>{255, 255, 255, 0, 255, 255};
    QTest::newRow("key is stored blue-green-red")
        << PixelFormat::Rgb24 << forms::PureBlue << QList<int>{255, 255, 255, 255, 0, 255};
    QTest::newRow("system default means no key")
        << PixelFormat::Rgb24 << forms::SystemDefault << QList<int>{255, 255, 255, 255, 255, 255};
    QTest::newRow("no pixel matches")
        << PixelFormat::Bgra32 << forms::Colour{0x00010203} << QList<int>{200, 200, 200, 200, 200, 200};
}

void TestPictures::keyColour() {
    QFETCH(PixelFormat, format);
    QFETCH(forms::Colour, key);
    QFETCH(QList<int>, expectedAlpha);
    const std::vector<std::array<std::uint8_t, 3>> rgbPixels = {{0xEC, 0xEC, 0xEC}, {0xEC, 0xEC, 0xED},
                                                                {0xED, 0xEC, 0xEC}, {0xFF, 0xFF, 0xFF},
                                                                {0x00, 0x00, 0xFF}, {0xFF, 0x00, 0x00}};
    Image image;
    image.width = 3;
    image.height = 2;
    image.format = format;
    for (const auto& [red, green, blue] : rgbPixels) {
        if (format == PixelFormat::Rgb24)
            image.pixels.insert(image.pixels.end(), {red, green, blue});
        else
            image.pixels.insert(image.pixels.end(), {blue, green, red, 200});
    }
    const Image keyed = toolkit::applyKeyColour(image, key);
    QVERIFY(keyed.format == PixelFormat::Bgra32);
    QCOMPARE(keyed.width, 3);
    QCOMPARE(keyed.height, 2);
    for (int i = 0; i < 6; ++i) {
        const Bgra pixel = bgraAt(keyed, i % 3, i / 3);
        QCOMPARE(pixel.alpha, expectedAlpha[i]);
        QCOMPARE(pixel.red, int{rgbPixels[i][0]});
        QCOMPARE(pixel.green, int{rgbPixels[i][1]});
        QCOMPARE(pixel.blue, int{rgbPixels[i][2]});
    }
}

void TestPictures::keyColourOnBackgroundClearsExactlyTheWhitePixels() {
    const std::optional<Image> background = toolkit::decodeJpeg(assets::BackgroundJpg);
    QVERIFY(background.has_value());
    const Image keyed = toolkit::applyKeyColour(*background, forms::White);
    int mismatches = 0;
    int cleared = 0;
    for (int y = 0; y < keyed.height; ++y) {
        for (int x = 0; x < keyed.width; ++x) {
            const bool white = isWhiteRgb(*background, x, y);
            const int alpha = bgraAt(keyed, x, y).alpha;
            mismatches += alpha != (white ? 0 : 255);
            cleared += alpha == 0;
        }
    }
    QCOMPARE(mismatches, 0);
    QVERIFY(cleared > 0);
    QVERIFY(cleared < keyed.width * keyed.height);
}

void TestPictures::brokenInputIsRefused_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Decoder>("decoder");

    const QByteArray jpeg = copyOf(assets::BackgroundJpg);
    const QByteArray png = copyOf(assets::ButtonPng);
    const QByteArray ico = copyOf(assets::QuorvaneIco);
    const qsizetype frame = jpegFrameFields(jpeg);
    QVERIFY(frame > 0);

    for (Decoder decoder : {Decoder::Jpeg, Decoder::Png, Decoder::Ico})
        QTest::addRow("%s empty", nameOf(decoder)) << QByteArray() << decoder;
    QByteArray garbage;
    for (int i = 0; i < 512; ++i)
        garbage.append(static_cast<char>((i * 73 + 41) & 0xFF));
    for (Decoder decoder : {Decoder::Jpeg, Decoder::Png, Decoder::Ico})
        QTest::addRow("%s garbage", nameOf(decoder)) << garbage << decoder;

    for (qsizetype length : {qsizetype{2}, qsizetype{3}, qsizetype{20}, frame + 4, qsizetype{600},
                             jpeg.size() / 2, jpeg.size() - 2})
        QTest::addRow("jpeg truncated to %lld bytes", static_cast<long long>(length))
            << jpeg.left(length) << Decoder::Jpeg;
    QTest::newRow("jpeg start marker flipped") << flipped(jpeg, 1) << Decoder::Jpeg;
    QTest::newRow("jpeg 12-bit precision") << withByte(jpeg, frame, 12) << Decoder::Jpeg;
    QTest::newRow("jpeg no components") << withByte(jpeg, frame + 5, 0) << Decoder::Jpeg;
    QTest::newRow("jpeg zero width") << withJpegSize(jpeg, 0, 248) << Decoder::Jpeg;
    QTest::newRow("jpeg 60000 x 60000") << withJpegSize(jpeg, 60000, 60000) << Decoder::Jpeg;
    QTest::newRow("jpeg one side too large")
        << withJpegSize(jpeg, 248, toolkit::MaxPictureSide + 1) << Decoder::Jpeg;
    QTest::newRow("jpeg complete but too wide")
        << makeJpeg(toolkit::MaxPictureSide + 1, 16, redAboveBlue) << Decoder::Jpeg;
    // Each scan is a pass over the whole picture: a few bytes a scan could keep the decoder busy for long.
    QTest::newRow("jpeg with 101 scans") << makeProgressiveJpeg(101) << Decoder::Jpeg;
    QTest::newRow("jpeg with 190 scans") << makeProgressiveJpeg(190) << Decoder::Jpeg;

    for (qsizetype length : {qsizetype{8}, qsizetype{20}, qsizetype{33}, qsizetype{100}, png.size() / 2,
                             png.size() - 12, png.size() - 1})
        QTest::addRow("png truncated to %lld bytes", static_cast<long long>(length))
            << png.left(length) << Decoder::Png;
    QTest::newRow("png signature flipped") << flipped(png, 1) << Decoder::Png;
    QTest::newRow("png header byte flipped") << flipped(png, 18) << Decoder::Png;
    QTest::newRow("png header checksum flipped") << flipped(png, 30) << Decoder::Png;
    QTest::newRow("png image data flipped") << flipped(png, png.indexOf("IDAT") + 40) << Decoder::Png;
    QTest::newRow("png rgb colour type")
        << makePng(2, 2, 8, 2, QList<QByteArray>(2, QByteArray(6, '\x40'))) << Decoder::Png;
    QTest::newRow("png grey colour type")
        << makePng(2, 2, 8, 0, QList<QByteArray>(2, QByteArray(2, '\x40'))) << Decoder::Png;
    QTest::newRow("png 16-bit rgba") << makePng(2, 2, 16, 6, QList<QByteArray>(2, QByteArray(16, '\x40')))
                                     << Decoder::Png;
    QTest::newRow("png 60000 x 60000") << makePng(60000, 60000, 8, 6, rgbaRows(4, 4)) << Decoder::Png;
    QTest::newRow("png complete but too wide")
        << makePng(toolkit::MaxPictureSide + 1, 1, 8, 6, rgbaRows(toolkit::MaxPictureSide + 1, 1))
        << Decoder::Png;
    QTest::newRow("png zero height") << makePng(4, 0, 8, 6, {}) << Decoder::Png;
    QTest::newRow("png fewer rows than declared") << makePng(4, 8, 8, 6, rgbaRows(4, 4)) << Decoder::Png;

    for (qsizetype length :
         {qsizetype{5}, qsizetype{21}, IcoBitmap + 39, IcoBitmap + 40 + 4095, ico.size() - 1})
        QTest::addRow("ico truncated to %lld bytes", static_cast<long long>(length))
            << ico.left(length) << Decoder::Ico;
    QTest::newRow("ico reserved field set") << withByte(ico, 0, 1) << Decoder::Ico;
    QTest::newRow("ico cursor type") << withByte(ico, 2, 2) << Decoder::Ico;
    QTest::newRow("ico no images") << withLittleEndian(ico, 4, 0, 2) << Decoder::Ico;
    QTest::newRow("ico directory longer than file") << withLittleEndian(ico, 4, 0xFFFF, 2) << Decoder::Ico;
    QTest::newRow("ico entry 16 wide") << withByte(ico, IcoEntry, 16) << Decoder::Ico;
    QTest::newRow("ico entry 24 bpp") << withLittleEndian(ico, IcoEntry + 6, 24, 2) << Decoder::Ico;
    QTest::newRow("ico entry points past end")
        << withLittleEndian(ico, IcoEntry + 12, 4300, 4) << Decoder::Ico;
    QTest::newRow("ico entry size past end") << withLittleEndian(ico, IcoEntry + 8, 4265, 4) << Decoder::Ico;
    QTest::newRow("ico entry offset wraps around")
        << withLittleEndian(ico, IcoEntry + 12, 0xFFFFFFF0u, 4) << Decoder::Ico;
    QTest::newRow("ico entry too small for pixels")
        << withLittleEndian(ico, IcoEntry + 8, 40 + 100, 4) << Decoder::Ico;
    QTest::newRow("ico core bitmap header") << withLittleEndian(ico, IcoBitmap, 12, 4) << Decoder::Ico;
    QTest::newRow("ico bitmap 60000 x 60000")
        << withLittleEndian(withLittleEndian(ico, IcoBitmap + 4, 60000, 4), IcoBitmap + 8, 120000, 4)
        << Decoder::Ico;
    QTest::newRow("ico bitmap height without mask")
        << withLittleEndian(ico, IcoBitmap + 8, 32, 4) << Decoder::Ico;
    QTest::newRow("ico bitmap top-down")
        << withLittleEndian(ico, IcoBitmap + 8, static_cast<std::uint32_t>(-64), 4) << Decoder::Ico;
    QTest::newRow("ico bitmap two planes") << withLittleEndian(ico, IcoBitmap + 12, 2, 2) << Decoder::Ico;
    QTest::newRow("ico bitmap 24 bpp") << withLittleEndian(ico, IcoBitmap + 14, 24, 2) << Decoder::Ico;
    QTest::newRow("ico bitmap run-length coded")
        << withLittleEndian(ico, IcoBitmap + 16, 1, 4) << Decoder::Ico;
}

void TestPictures::brokenInputIsRefused() {
    QFETCH(QByteArray, data);
    QFETCH(Decoder, decoder);
    QVERIFY(!decodeWith(decoder, bytesOf(data)).has_value());
    QVERIFY(!toolkit::decodePicture(bytesOf(data)).has_value());
}

QTEST_APPLESS_MAIN(TestPictures)
#include "test_pictures.moc"
