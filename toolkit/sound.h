#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <thread>
#include <vector>

namespace toolkit {

// Signed 16-bit samples, interleaved when there is more than one channel.
struct Sound {
    std::span<const std::int16_t> samples;
    int rate = 0;
    int channels = 0;
};

// The image button's click: about 58 ms, mono. Its samples are part of the executable.
const Sound& clickSound();

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the sound and returns at once. A newer sound replaces one still playing; when the device
    // is busy or absent the sound is skipped without a word. The samples are copied.
    virtual void play(const Sound& sound) = 0;
};

// The player of the platform this executable was built for.
std::unique_ptr<SoundPlayer> makeSoundPlayer();

// A sound device as AsyncSoundPlayer drives it, from its worker thread only. No call may wait for the
// device longer than a short bounded time, so that a newer sound or the end of the program is noticed.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;
    // False when the device is busy or absent; the sound is then skipped.
    virtual bool open(int rate, int channels) = 0;
    // Hands whole frames to the device, waiting a little for room; false when the device failed.
    virtual bool write(std::span<const std::int16_t> samples) = 0;
    // Lets what was written play out, waiting at most `wait`; true once all of it has played.
    // Called again while it returns false.
    virtual bool finish(std::chrono::milliseconds wait) = 0;
    // Throws away what has not been played yet.
    virtual void drop() = 0;
    virtual void close() = 0;
};

// Plays one sound at a time on a worker thread. play() leaves only the newest request in a one-slot
// mailbox, so the caller never waits for the device and a burst of requests cannot pile up.
class AsyncSoundPlayer final : public SoundPlayer {
public:
    // playOutLimit bounds the wait for the tail of a sound once all of it has been handed over.
    explicit AsyncSoundPlayer(std::unique_ptr<AudioOutput> output,
                              std::chrono::milliseconds playOutLimit = std::chrono::milliseconds{500});
    // Stops the sound that is playing and returns after at most one short device call.
    ~AsyncSoundPlayer() override;
    AsyncSoundPlayer(const AsyncSoundPlayer&) = delete;
    AsyncSoundPlayer& operator=(const AsyncSoundPlayer&) = delete;

    void play(const Sound& sound) override;

private:
    struct Request {
        std::vector<std::int16_t> samples;
        int rate = 0;
        int channels = 0;
    };

    void run();
    std::optional<Request> nextRequest();
    bool interrupted();
    void playOne(const Request& request);
    bool writeInChunks(const Request& request);
    bool waitUntilPlayed();

    std::unique_ptr<AudioOutput> output_;
    std::chrono::milliseconds playOutLimit_{};
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    std::optional<Request> pending_;
    bool stopping_ = false;
    std::thread worker_;
};

} // namespace toolkit
