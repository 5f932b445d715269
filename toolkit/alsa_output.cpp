#include "toolkit/alsa_output.h"

#include <alsa/asoundlib.h>

#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <mutex>
#include <thread>

namespace toolkit {
namespace {

constexpr unsigned kLatencyMicroseconds = 50000;
// How long one write may wait for room in the device's buffer before the sound is given up.
constexpr std::chrono::milliseconds kRoomWait{250};
constexpr int kRoomWaitStepMs = 10;
constexpr std::chrono::milliseconds kDrainPollStep{2};

void ignoreAlsaError(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
                     const char* /*fmt*/, ...) {}

void silenceAlsaDiagnostics() {
    static std::once_flag once;
    std::call_once(once, [] { snd_lib_error_set_handler(ignoreAlsaError); });
}

} // namespace

AlsaOutput::AlsaOutput() {
    silenceAlsaDiagnostics();
}

AlsaOutput::~AlsaOutput() {
    close();
}

bool AlsaOutput::open(int rate, int channels) {
    close();
    if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        pcm_ = nullptr;
        return false;
    }
    if (snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED,
                           static_cast<unsigned>(channels), static_cast<unsigned>(rate), 1,
                           kLatencyMicroseconds) < 0) {
        close();
        return false;
    }
    channels_ = channels;
    return true;
}

bool AlsaOutput::write(std::span<const std::int16_t> samples) {
    if (pcm_ == nullptr) {
        return false;
    }
    const auto giveUpAt = std::chrono::steady_clock::now() + kRoomWait;
    const std::int16_t* next = samples.data();
    auto framesLeft = static_cast<snd_pcm_uframes_t>(samples.size() / static_cast<std::size_t>(channels_));
    while (framesLeft > 0) {
        const snd_pcm_sframes_t written = snd_pcm_writei(pcm_, next, framesLeft);
        if (written >= 0) {
            next += written * channels_;
            framesLeft -= static_cast<snd_pcm_uframes_t>(written);
        } else if (!recoverFromWriteError(written, giveUpAt)) {
            return false;
        }
    }
    return true;
}

bool AlsaOutput::recoverFromWriteError(long error, std::chrono::steady_clock::time_point giveUpAt) {
    if (std::chrono::steady_clock::now() >= giveUpAt) {
        return false;
    }
    if (error == -EAGAIN) {
        snd_pcm_wait(pcm_, kRoomWaitStepMs);
        return true;
    }
    // An underrun: the device ran dry before the next piece came.
    if (error == -EPIPE) {
        return snd_pcm_prepare(pcm_) == 0;
    }
    return false;
}

// A non-blocking drain only starts the play-out; it answers -EAGAIN until the last frame has been
// played, so it is asked again in small steps rather than waited for in one call.
bool AlsaOutput::finish(std::chrono::milliseconds wait) {
    if (pcm_ == nullptr) {
        return true;
    }
    const auto giveUpAt = std::chrono::steady_clock::now() + wait;
    while (snd_pcm_drain(pcm_) == -EAGAIN) {
        if (std::chrono::steady_clock::now() >= giveUpAt) {
            return false;
        }
        std::this_thread::sleep_for(kDrainPollStep);
    }
    return true;
}

void AlsaOutput::drop() {
    if (pcm_ != nullptr) {
        snd_pcm_drop(pcm_);
    }
}

void AlsaOutput::close() {
    if (pcm_ != nullptr) {
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
    }
    channels_ = 0;
}

std::unique_ptr<SoundPlayer> makeSoundPlayer() {
    return std::make_unique<AsyncSoundPlayer>(std::make_unique<AlsaOutput>());
}

} // namespace toolkit
