#include "toolkit/win32/play_sound.h"

#include "toolkit/win32/win32.h"

#include <mmsystem.h>

namespace toolkit::win32 {

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putTag(std::vector<std::uint8_t>& out, const char (&tag)[5]) {
    out.insert(out.end(), tag, tag + 4);
}

} // namespace

std::vector<std::uint8_t> wavImage(const Sound& sound) {
    if (sound.rate <= 0 || sound.channels <= 0)
        return {};
    const auto channels = static_cast<std::uint32_t>(sound.channels);
    const std::size_t frames = sound.samples.size() / channels;
    if (frames == 0)
        return {};
    const auto dataBytes = static_cast<std::uint32_t>(frames * channels * 2);
    const auto rate = static_cast<std::uint32_t>(sound.rate);
    std::vector<std::uint8_t> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    put32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, channels);
    put32(out, rate);
    put32(out, rate * channels * 2);
    put16(out, channels * 2);
    put16(out, 16);
    putTag(out, "data");
    put32(out, dataBytes);
    for (std::size_t i = 0; i < frames * channels; ++i)
        put16(out, static_cast<std::uint16_t>(sound.samples[i]));
    return out;
}

PlaySoundPlayer::~PlaySoundPlayer() {
    // Stops the sound that is playing before its image goes.
    PlaySoundW(nullptr, nullptr, 0);
}

void PlaySoundPlayer::play(const Sound& sound) {
    auto [it, added] = m_images.try_emplace(sound.samples.data());
    if (added)
        it->second = wavImage(sound);
    if (it->second.empty())
        return;
    PlaySoundW(reinterpret_cast<LPCWSTR>(it->second.data()), nullptr, SND_MEMORY | SND_ASYNC | SND_NOWAIT);
}

} // namespace toolkit::win32

namespace toolkit {

std::unique_ptr<SoundPlayer> makeSoundPlayer() {
    return std::make_unique<win32::PlaySoundPlayer>();
}

} // namespace toolkit
