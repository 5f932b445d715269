#pragma once

#include "toolkit/sound.h"

#include <cstdint>
#include <map>
#include <vector>

namespace toolkit::win32 {

// A sound as the bytes of a WAV file (RIFF, 16-bit PCM), the form the system plays from memory.
std::vector<std::uint8_t> wavImage(const Sound& sound);

// Plays through the system's PlaySound from memory, asynchronously and never waiting for a busy
// device; a new sound stops the one still playing. The system reads the image while it plays, so each
// sound's image is kept for the player's lifetime.
class PlaySoundPlayer final : public SoundPlayer {
public:
    PlaySoundPlayer() = default;
    ~PlaySoundPlayer() override;
    PlaySoundPlayer(const PlaySoundPlayer&) = delete;
    PlaySoundPlayer& operator=(const PlaySoundPlayer&) = delete;

    void play(const Sound& sound) override;

private:
    std::map<const std::int16_t*, std::vector<std::uint8_t>> m_images;
};

} // namespace toolkit::win32
