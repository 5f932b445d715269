#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace forms {

// The system's logical-font record, field for field. A description stores it as its bytes
// (little-endian, 60 bytes); anything of another length is not a font record.
struct LogFont {
    std::int32_t height = 0; // negative: character height in pixels
    std::int32_t width = 0;  // 0: chosen by the system
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 400; // 400 normal, 700 bold
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strike_out = 0;
    std::uint8_t char_set = 0;
    std::uint8_t out_precision = 0;
    std::uint8_t clip_precision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitch_and_family = 0;
    std::array<char, 32> face_name{}; // GBK, zero-terminated; empty: chosen by the system
};

inline constexpr std::size_t LogFontRecordSize = 60;

// A unit's font as stored: empty means no record, so the system's default GUI font.
struct FontRecord {
    std::vector<std::uint8_t> bytes;

    bool empty() const { return bytes.empty(); }
};

FontRecord fontRecord(const LogFont& font);
std::optional<LogFont> parseFontRecord(const FontRecord& record);

// Helper for descriptions: a record with the given face (GBK bytes) copied into face_name.
LogFont withFace(LogFont font, std::string_view gbkFace);

} // namespace forms
