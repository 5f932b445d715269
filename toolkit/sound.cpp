#include "toolkit/sound.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

namespace toolkit {
namespace {

constexpr int kClickRate = 22050;
constexpr std::size_t kClickFrames = kClickRate * 58 / 1000;
constexpr double kClickPeak = 0.7 * 32767.0;
constexpr std::size_t kAttackFrames = 10;
constexpr std::size_t kFadeFrames = 40;
constexpr double kPi = 3.14159265358979323846;

// std::sin and std::exp are not constexpr; these series are exact enough for the small arguments here.
constexpr double seriesSin(double x) {
    double term = x;
    double sum = x;
    for (int n = 1; n < 12; ++n) {
        term *= -x * x / ((2.0 * n) * (2.0 * n + 1.0));
        sum += term;
    }
    return sum;
}

constexpr double seriesCos(double x) {
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n < 12; ++n) {
        term *= -x * x / ((2.0 * n - 1.0) * (2.0 * n));
        sum += term;
    }
    return sum;
}

constexpr double seriesExp(double x) {
    double term = 1.0;
    double sum = 1.0;
    for (int n = 1; n < 20; ++n) {
        term *= x / n;
        sum += term;
    }
    return sum;
}

constexpr double decayPerFrame(double timeConstantMs) {
    return seriesExp(-1000.0 / (timeConstantMs * kClickRate));
}

// A sine that dies away, made by turning a phasor by a fixed angle each frame. It starts at phase zero
// so that the click begins without a step.
class DecayingTone {
public:
    constexpr DecayingTone(double frequency, double amplitude, double timeConstantMs)
        : cosStep_(seriesCos(2.0 * kPi * frequency / kClickRate)),
          sinStep_(seriesSin(2.0 * kPi * frequency / kClickRate)), decay_(decayPerFrame(timeConstantMs)),
          re_(amplitude) {}

    constexpr double next() {
        const double value = im_;
        const double re = re_ * cosStep_ - im_ * sinStep_;
        const double im = re_ * sinStep_ + im_ * cosStep_;
        re_ = re * decay_;
        im_ = im * decay_;
        return value;
    }

private:
    double cosStep_ = 1.0;
    double sinStep_ = 0.0;
    double decay_ = 1.0;
    double re_ = 0.0;
    double im_ = 0.0;
};

// The short scrape of the contact: white noise from a fixed-seed generator, softened by a one-pole
// low-pass filter, fading within a few milliseconds.
class NoiseBurst {
public:
    constexpr NoiseBurst(double amplitude, double timeConstantMs)
        : level_(amplitude), decay_(decayPerFrame(timeConstantMs)) {}

    constexpr double next() {
        state_ = state_ * 1664525u + 1013904223u;
        const double white = static_cast<double>(state_ >> 8) / 8388608.0 - 1.0;
        filtered_ += 0.35 * (white - filtered_);
        const double value = filtered_ * level_;
        level_ *= decay_;
        return value;
    }

private:
    std::uint32_t state_ = 0x5eed1234u;
    double filtered_ = 0.0;
    double level_ = 0.0;
    double decay_ = 1.0;
};

constexpr double edgeGain(std::size_t frame) {
    if (frame < kAttackFrames) {
        return static_cast<double>(frame) / kAttackFrames;
    }
    const std::size_t framesLeft = kClickFrames - 1 - frame;
    if (framesLeft < kFadeFrames) {
        return static_cast<double>(framesLeft) / kFadeFrames;
    }
    return 1.0;
}

constexpr std::int16_t roundToSample(double value) {
    return static_cast<std::int16_t>(value < 0.0 ? value - 0.5 : value + 0.5);
}

constexpr std::array<std::int16_t, kClickFrames> makeClick() {
    DecayingTone strike(2100.0, 0.5, 3.5);
    DecayingTone overtone(3300.0, 0.3, 2.0);
    DecayingTone body(650.0, 0.35, 11.0);
    NoiseBurst contact(0.25, 1.2);

    std::array<double, kClickFrames> wave{};
    double peak = 0.0;
    for (std::size_t frame = 0; frame < kClickFrames; ++frame) {
        const double mix = strike.next() + overtone.next() + body.next() + contact.next();
        wave[frame] = mix * edgeGain(frame);
        peak = std::max(peak, wave[frame] < 0.0 ? -wave[frame] : wave[frame]);
    }

    std::array<std::int16_t, kClickFrames> samples{};
    for (std::size_t frame = 0; frame < kClickFrames; ++frame) {
        samples[frame] = roundToSample(wave[frame] * kClickPeak / peak);
    }
    return samples;
}

constexpr std::array<std::int16_t, kClickFrames> kClickSamples = makeClick();

// Small pieces, so that a newer sound or the end of the program is noticed within about 10 ms.
constexpr int kChunksPerSecond = 100;
constexpr std::chrono::milliseconds kPlayOutStep{10};

} // namespace

const Sound& clickSound() {
    static constexpr Sound click{kClickSamples, kClickRate, 1};
    return click;
}

AsyncSoundPlayer::AsyncSoundPlayer(std::unique_ptr<AudioOutput> output,
                                   std::chrono::milliseconds playOutLimit)
    : output_(std::move(output)), playOutLimit_(playOutLimit), worker_([this] { run(); }) {}

AsyncSoundPlayer::~AsyncSoundPlayer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        pending_.reset();
    }
    wakeUp_.notify_one();
    worker_.join();
}

void AsyncSoundPlayer::play(const Sound& sound) {
    if (sound.rate <= 0 || sound.channels <= 0) {
        return;
    }
    const std::size_t wholeFrames = sound.samples.size() / static_cast<std::size_t>(sound.channels);
    if (wholeFrames == 0) {
        return;
    }
    const auto samples = sound.samples.first(wholeFrames * static_cast<std::size_t>(sound.channels));
    Request request{{samples.begin(), samples.end()}, sound.rate, sound.channels};
    {
        std::lock_guard lock(mutex_);
        pending_ = std::move(request);
    }
    wakeUp_.notify_one();
}

void AsyncSoundPlayer::run() {
    while (const auto request = nextRequest()) {
        playOne(*request);
    }
}

std::optional<AsyncSoundPlayer::Request> AsyncSoundPlayer::nextRequest() {
    std::unique_lock lock(mutex_);
    wakeUp_.wait(lock, [this] { return stopping_ || pending_.has_value(); });
    if (stopping_) {
        return std::nullopt;
    }
    return std::exchange(pending_, std::nullopt);
}

bool AsyncSoundPlayer::interrupted() {
    std::lock_guard lock(mutex_);
    return stopping_ || pending_.has_value();
}

void AsyncSoundPlayer::playOne(const Request& request) {
    if (!output_->open(request.rate, request.channels)) {
        return;
    }
    if (!writeInChunks(request) || !waitUntilPlayed()) {
        output_->drop();
    }
    output_->close();
}

bool AsyncSoundPlayer::writeInChunks(const Request& request) {
    const std::size_t framesPerChunk = std::max(1, request.rate / kChunksPerSecond);
    const std::size_t chunkSamples = framesPerChunk * static_cast<std::size_t>(request.channels);
    const std::span<const std::int16_t> all(request.samples);
    for (std::size_t offset = 0; offset < all.size(); offset += chunkSamples) {
        if (interrupted() ||
            !output_->write(all.subspan(offset, std::min(chunkSamples, all.size() - offset)))) {
            return false;
        }
    }
    return true;
}

bool AsyncSoundPlayer::waitUntilPlayed() {
    const auto giveUpAt = std::chrono::steady_clock::now() + playOutLimit_;
    while (!output_->finish(kPlayOutStep)) {
        if (interrupted() || std::chrono::steady_clock::now() >= giveUpAt) {
            return false;
        }
    }
    return true;
}

} // namespace toolkit
