#include "forms/font.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace forms {

namespace {

void putInt32(std::vector<std::uint8_t>& out, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(bits >> shift));
}

std::int32_t getInt32(const std::uint8_t* in) {
    std::uint32_t bits = 0;
    for (int i = 3; i >= 0; --i)
        bits = (bits << 8) | in[i];
    return static_cast<std::int32_t>(bits);
}

} // namespace

FontRecord fontRecord(const LogFont& font) {
    FontRecord record;
    auto& out = record.bytes;
    out.reserve(LogFontRecordSize);
    for (std::int32_t value : {font.height, font.width, font.escapement, font.orientation, font.weight})
        putInt32(out, value);
    for (std::uint8_t value : {font.italic, font.underline, font.strike_out, font.char_set,
                               font.out_precision, font.clip_precision, font.quality, font.pitch_and_family})
        out.push_back(value);
    for (char c : font.face_name)
        out.push_back(static_cast<std::uint8_t>(c));
    return record;
}

std::optional<LogFont> parseFontRecord(const FontRecord& record) {
    if (record.bytes.size() != LogFontRecordSize)
        return std::nullopt;
    const std::uint8_t* p = record.bytes.data();
    LogFont font;
    font.height = getInt32(p);
    font.width = getInt32(p + 4);
    font.escapement = getInt32(p + 8);
    font.orientation = getInt32(p + 12);
    font.weight = getInt32(p + 16);
    font.italic = p[20];
    font.underline = p[21];
    font.strike_out = p[22];
    font.char_set = p[23];
    font.out_precision = p[24];
    font.clip_precision = p[25];
    font.quality = p[26];
    font.pitch_and_family = p[27];
    std::memcpy(font.face_name.data(), p + 28, font.face_name.size());
    return font;
}

LogFont withFace(LogFont font, std::string_view gbkFace) {
    font.face_name.fill('\0');
    const auto n = std::min(gbkFace.size(), font.face_name.size() - 1);
    std::copy_n(gbkFace.begin(), n, font.face_name.begin());
    return font;
}

} // namespace forms
