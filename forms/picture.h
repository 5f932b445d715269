#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace forms {

// A picture as the description holds it: the encoded file's bytes (JPEG, PNG or ICO), not pixels.
// The bytes live in the executable; a picture never owns them.
struct Picture {
    std::span<const std::uint8_t> bytes;

    bool empty() const { return bytes.empty(); }
};

} // namespace forms
