#pragma once

#include "toolkit/sound.h"

// The library's own name for a PCM handle (snd_pcm_t), so that this header need not pull in all of it.
struct _snd_pcm;

namespace toolkit {

// The default ALSA playback device. Every call returns within a short bounded time: the device is
// opened without blocking, so a busy or missing device fails at once instead of being waited for.
// The library's diagnostics are silenced, since a machine without a sound card is no error here.
class AlsaOutput final : public AudioOutput {
public:
    AlsaOutput();
    ~AlsaOutput() override;
    AlsaOutput(const AlsaOutput&) = delete;
    AlsaOutput& operator=(const AlsaOutput&) = delete;

    bool open(int rate, int channels) override;
    bool write(std::span<const std::int16_t> samples) override;
    bool finish(std::chrono::milliseconds wait) override;
    void drop() override;
    void close() override;

private:
    bool recoverFromWriteError(long error, std::chrono::steady_clock::time_point giveUpAt);

    _snd_pcm* pcm_ = nullptr;
    int channels_ = 0;
};

} // namespace toolkit
