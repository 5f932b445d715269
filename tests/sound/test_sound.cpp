#include "toolkit/alsa_output.h"
#include "toolkit/sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

// Far above anything play() should take, far below the 2 s a held stand-in write lasts.
constexpr qint64 kReturnsAtOnceMs = 1000;
constexpr std::chrono::seconds kLongestHold{2};

// Everything a stand-in device was asked to do, shared by the test and the player's worker thread.
class StandInDevice {
public:
    enum class Stage { Writing, PlayingOut };

    struct Session {
        int rate = 0;
        int channels = 0;
        std::vector<std::int16_t> written;
        bool finished = false;
        bool dropped = false;
        bool closed = false;
    };

    void setBusy(bool busy) {
        std::lock_guard lock(mutex_);
        busy_ = busy;
    }

    // The device stalls at that stage until release(): a write blocks, play-out never completes. A held
    // write gives up after kLongestHold, so that a fault fails a test instead of hanging it.
    void holdAt(Stage stage) {
        std::lock_guard lock(mutex_);
        heldAt_ = stage;
    }
    void release() {
        {
            std::lock_guard lock(mutex_);
            heldAt_.reset();
        }
        released_.notify_all();
    }
    // Each write lasts as long as its samples take to play, as on a real device.
    void paceInRealTime() {
        std::lock_guard lock(mutex_);
        paced_ = true;
    }
    // The device never reports that the written sound has played out.
    void neverFinish() {
        std::lock_guard lock(mutex_);
        neverFinishes_ = true;
    }

    int openAttempts() const {
        std::lock_guard lock(mutex_);
        return openAttempts_;
    }
    bool isStalledAt(Stage stage) const {
        std::lock_guard lock(mutex_);
        return stalledAt_ == stage;
    }
    std::vector<Session> sessions() const {
        std::lock_guard lock(mutex_);
        return sessions_;
    }
    bool idleAfter(std::size_t sessionCount) const {
        std::lock_guard lock(mutex_);
        return sessions_.size() == sessionCount && sessions_.back().closed;
    }

    bool open(int rate, int channels) {
        std::lock_guard lock(mutex_);
        ++openAttempts_;
        if (busy_) {
            return false;
        }
        sessions_.push_back(Session{rate, channels, {}, false, false, false});
        return true;
    }

    bool write(std::span<const std::int16_t> samples) {
        std::unique_lock lock(mutex_);
        if (heldAt_ == Stage::Writing) {
            stalledAt_ = Stage::Writing;
            released_.wait_for(lock, kLongestHold, [this] { return heldAt_ != Stage::Writing; });
            stalledAt_.reset();
        }
        if (paced_) {
            const Session& session = sessions_.back();
            const auto playTime = std::chrono::microseconds(
                1'000'000 * static_cast<long long>(samples.size()) / (session.rate * session.channels));
            lock.unlock();
            std::this_thread::sleep_for(playTime);
            lock.lock();
        }
        auto& written = sessions_.back().written;
        written.insert(written.end(), samples.begin(), samples.end());
        return true;
    }

    bool finish(std::chrono::milliseconds wait) {
        std::unique_lock lock(mutex_);
        if (heldAt_ == Stage::PlayingOut) {
            stalledAt_ = Stage::PlayingOut;
            if (!released_.wait_for(lock, wait, [this] { return heldAt_ != Stage::PlayingOut; })) {
                return false;
            }
            stalledAt_.reset();
        }
        if (neverFinishes_) {
            lock.unlock();
            std::this_thread::sleep_for(wait);
            return false;
        }
        sessions_.back().finished = true;
        return true;
    }

    void drop() {
        std::lock_guard lock(mutex_);
        sessions_.back().dropped = true;
    }

    void close() {
        std::lock_guard lock(mutex_);
        sessions_.back().closed = true;
    }

private:
    mutable std::mutex mutex_;
    std::condition_variable released_;
    bool busy_ = false;
    std::optional<Stage> heldAt_;
    std::optional<Stage> stalledAt_;
    bool paced_ = false;
    bool neverFinishes_ = false;
    int openAttempts_ = 0;
    std::vector<Session> sessions_;
};

class StandInOutput final : public toolkit::AudioOutput {
public:
    explicit StandInOutput(std::shared_ptr<StandInDevice> device) : device_(std::move(device)) {}

    bool open(int rate, int channels) override { return device_->open(rate, channels); }
    bool write(std::span<const std::int16_t> samples) override { return device_->write(samples); }
    bool finish(std::chrono::milliseconds wait) override { return device_->finish(wait); }
    void drop() override { device_->drop(); }
    void close() override { device_->close(); }

private:
    std::shared_ptr<StandInDevice> device_;
};

// Lets a test see when the real device has been tried, since nothing else shows it.
class WatchedOutput final : public toolkit::AudioOutput {
public:
    explicit WatchedOutput(std::shared_ptr<std::atomic<int>> failedOpens)
        : failedOpens_(std::move(failedOpens)) {}

    bool open(int rate, int channels) override {
        const bool opened = inner_.open(rate, channels);
        if (!opened) {
            ++*failedOpens_;
        }
        return opened;
    }
    bool write(std::span<const std::int16_t> samples) override { return inner_.write(samples); }
    bool finish(std::chrono::milliseconds wait) override { return inner_.finish(wait); }
    void drop() override { inner_.drop(); }
    void close() override { inner_.close(); }

private:
    toolkit::AlsaOutput inner_;
    std::shared_ptr<std::atomic<int>> failedOpens_;
};

// Collects what the process writes to its standard error while it is installed.
class StderrCapture {
public:
    StderrCapture() {
        if (pipe(pipe_) != 0) {
            qFatal("no pipe for standard error");
        }
        // Non-blocking on both ends: a flood of output must not hang the writer, and reading stops at empty.
        fcntl(pipe_[0], F_SETFL, O_NONBLOCK);
        fcntl(pipe_[1], F_SETFL, O_NONBLOCK);
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        dup2(pipe_[1], STDERR_FILENO);
    }
    ~StderrCapture() { finish(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QByteArray finish() {
        if (saved_ < 0) {
            return said_;
        }
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        ::close(saved_);
        saved_ = -1;
        ::close(pipe_[1]);
        char buffer[4096];
        ssize_t count = 0;
        while ((count = read(pipe_[0], buffer, sizeof buffer)) > 0) {
            said_.append(buffer, count);
        }
        ::close(pipe_[0]);
        return said_;
    }

private:
    int pipe_[2] = {-1, -1};
    int saved_ = -1;
    QByteArray said_;
};

std::vector<std::int16_t> constantSamples(std::size_t count, std::int16_t value) {
    return std::vector<std::int16_t>(count, value);
}

toolkit::Sound monoSound(const std::vector<std::int16_t>& samples) {
    return toolkit::Sound{samples, 22050, 1};
}

double rootMeanSquare(std::span<const std::int16_t> samples) {
    double sum = 0.0;
    for (const std::int16_t sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return std::sqrt(sum / static_cast<double>(samples.size()));
}

QByteArray bytesOf(std::span<const std::int16_t> samples) {
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      static_cast<qsizetype>(samples.size_bytes()));
}

QByteArray fileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(StandInDevice::Stage)

// The tests that use the real ALSA library give it configurations of their own through ALSA_CONFIG_PATH:
// each includes the system's configuration and then redefines the default device, either as the
// library's "file" plugin over its "null" device, which writes every sample played to a file and
// needs no sound card, or as a card that does not exist. The library rereads its configuration when
// the variable names other files, so each test sets it before it makes a player.
class SoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void clickIsAShortAudibleTick();
    void playReturnsWhileTheDeviceIsSlow();
    void busyDeviceSkipsTheSound();
    void newerSoundReplacesThePlayingOne_data();
    void newerSoundReplacesThePlayingOne();
    void deviceThatNeverFinishesIsLetGo();
    void destructionDoesNotWaitForTheSound();

    void alsaCapturesExactlyWhatIsPlayed_data();
    void alsaCapturesExactlyWhatIsPlayed();
    void missingAlsaDeviceIsSkippedSilently();

private:
    void useAlsaConfig(const QString& name, const QByteArray& text);

    QTemporaryDir dir_;
};

void SoundTest::initTestCase() {
    QVERIFY(dir_.isValid());
}

void SoundTest::cleanup() {
    qunsetenv("ALSA_CONFIG_PATH");
}

void SoundTest::useAlsaConfig(const QString& name, const QByteArray& text) {
    const QString path = dir_.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), text.size());
    file.close();
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(path));
}

void SoundTest::clickIsAShortAudibleTick() {
    const toolkit::Sound& click = toolkit::clickSound();
    QCOMPARE(click.channels, 1);
    QVERIFY(click.rate >= 8000);
    const double milliseconds = 1000.0 * static_cast<double>(click.samples.size()) / click.rate;
    QVERIFY2(milliseconds >= 50.0 && milliseconds <= 65.0, qPrintable(QString::number(milliseconds)));

    const auto [lowest, highest] = std::minmax_element(click.samples.begin(), click.samples.end());
    const int peak = std::max(-static_cast<int>(*lowest), static_cast<int>(*highest));
    QVERIFY2(peak >= 8000, qPrintable(QString::number(peak)));
    QVERIFY2(peak < 32767, "the click reaches full scale and clips");
    QVERIFY(rootMeanSquare(click.samples) >= 1000.0);

    // A tick, not a tone: loud at the strike, nearly gone at the end, and no step at either edge.
    const std::size_t quarter = click.samples.size() / 4;
    QVERIFY(rootMeanSquare(click.samples.first(quarter)) > 4.0 * rootMeanSquare(click.samples.last(quarter)));
    QVERIFY(std::abs(click.samples.front()) < 1000);
    QVERIFY(std::abs(click.samples.back()) < 1000);
}

void SoundTest::playReturnsWhileTheDeviceIsSlow() {
    auto device = std::make_shared<StandInDevice>();
    device->holdAt(StandInDevice::Stage::Writing);
    toolkit::AsyncSoundPlayer player(std::make_unique<StandInOutput>(device));
    const auto first = constantSamples(22050, 1);
    const auto second = constantSamples(2205, 2);

    QElapsedTimer timer;
    timer.start();
    player.play(monoSound(first));
    QVERIFY(timer.elapsed() < kReturnsAtOnceMs);
    QTRY_VERIFY(device->isStalledAt(StandInDevice::Stage::Writing));

    timer.restart();
    player.play(monoSound(second));
    QVERIFY2(timer.elapsed() < kReturnsAtOnceMs, "play() waited for the device");

    device->release();
    QTRY_VERIFY(device->idleAfter(2));
    QCOMPARE(device->sessions().back().written, second);
}

void SoundTest::busyDeviceSkipsTheSound() {
    auto device = std::make_shared<StandInDevice>();
    device->setBusy(true);
    toolkit::AsyncSoundPlayer player(std::make_unique<StandInOutput>(device));
    const auto skipped = constantSamples(441, 1);
    const auto played = constantSamples(441, 2);

    player.play(monoSound(skipped));
    QTRY_COMPARE(device->openAttempts(), 1);
    QVERIFY(device->sessions().empty());

    device->setBusy(false);
    player.play(monoSound(played));
    QTRY_VERIFY(device->idleAfter(1));
    QCOMPARE(device->openAttempts(), 2);
    const auto sessions = device->sessions();
    QCOMPARE(sessions.front().written, played);
    QVERIFY(sessions.front().finished);
    QVERIFY(!sessions.front().dropped);
}

void SoundTest::newerSoundReplacesThePlayingOne_data() {
    QTest::addColumn<StandInDevice::Stage>("stage");
    QTest::addColumn<int>("newerSounds");
    QTest::newRow("one newer sound while writing") << StandInDevice::Stage::Writing << 1;
    QTest::newRow("a burst of 99 more while writing") << StandInDevice::Stage::Writing << 99;
    QTest::newRow("one newer sound while playing out") << StandInDevice::Stage::PlayingOut << 1;
}

void SoundTest::newerSoundReplacesThePlayingOne() {
    QFETCH(StandInDevice::Stage, stage);
    QFETCH(int, newerSounds);
    auto device = std::make_shared<StandInDevice>();
    device->holdAt(stage);
    // Far longer than the test waits, so only the newer sound can end the stalled play-out.
    toolkit::AsyncSoundPlayer player(std::make_unique<StandInOutput>(device), 10s);
    std::vector<std::vector<std::int16_t>> sounds;
    for (int i = 0; i <= newerSounds; ++i) {
        sounds.push_back(constantSamples(22050 + 10 * i, static_cast<std::int16_t>(i + 1)));
    }

    player.play(monoSound(sounds.front()));
    QTRY_VERIFY(device->isStalledAt(stage));
    for (int i = 1; i <= newerSounds; ++i) {
        player.play(monoSound(sounds[i]));
    }
    if (stage == StandInDevice::Stage::PlayingOut) {
        QTRY_COMPARE(device->sessions().size(), std::size_t{2});
    }
    device->release();

    QTRY_VERIFY(device->idleAfter(2));
    const auto sessions = device->sessions();
    QVERIFY(sessions.front().dropped);
    QVERIFY(!sessions.front().finished);
    QVERIFY(sessions.front().closed);
    if (stage == StandInDevice::Stage::Writing) {
        QVERIFY(sessions.front().written.size() < sounds.front().size());
    } else {
        QCOMPARE(sessions.front().written, sounds.front());
    }
    QCOMPARE(sessions.back().written, sounds.back());
    QVERIFY(sessions.back().finished);
    QVERIFY(!sessions.back().dropped);
    QCOMPARE(device->openAttempts(), 2);
}

void SoundTest::deviceThatNeverFinishesIsLetGo() {
    auto device = std::make_shared<StandInDevice>();
    device->neverFinish();
    toolkit::AsyncSoundPlayer player(std::make_unique<StandInOutput>(device));
    const auto first = constantSamples(441, 1);
    const auto second = constantSamples(441, 2);

    player.play(monoSound(first));
    QTRY_VERIFY(device->idleAfter(1));
    QVERIFY(device->sessions().front().dropped);

    player.play(monoSound(second));
    QTRY_VERIFY(device->idleAfter(2));
    QCOMPARE(device->sessions().back().written, second);
}

void SoundTest::destructionDoesNotWaitForTheSound() {
    auto device = std::make_shared<StandInDevice>();
    device->paceInRealTime();
    auto player = std::make_unique<toolkit::AsyncSoundPlayer>(std::make_unique<StandInOutput>(device));
    const auto tenSeconds = constantSamples(10 * 22050, 1);

    player->play(monoSound(tenSeconds));
    QTRY_VERIFY(!device->sessions().empty() && !device->sessions().front().written.empty());
    QElapsedTimer timer;
    timer.start();
    player.reset();
    QVERIFY2(timer.elapsed() < kReturnsAtOnceMs, "the player waited for the sound to end");

    const auto sessions = device->sessions();
    QCOMPARE(sessions.size(), std::size_t{1});
    QVERIFY(sessions.front().dropped);
    QVERIFY(sessions.front().closed);
    QVERIFY(sessions.front().written.size() < tenSeconds.size());
}

void SoundTest::alsaCapturesExactlyWhatIsPlayed_data() {
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QList<qint16>>("samples");

    const toolkit::Sound& click = toolkit::clickSound();
    QTest::newRow("click") << click.rate << click.channels
                           << QList<qint16>(click.samples.begin(), click.samples.end());

    QList<qint16> stereo;
    for (int frame = 0; frame < 4410; ++frame) {
        stereo << static_cast<qint16>(frame) << static_cast<qint16>(-frame);
    }
    QTest::newRow("stereo") << 44100 << 2 << stereo;
}

void SoundTest::alsaCapturesExactlyWhatIsPlayed() {
    QFETCH(int, rate);
    QFETCH(int, channels);
    QFETCH(QList<qint16>, samples);
    const QString tag = QString::fromLatin1(QTest::currentDataTag());
    const QString capture = dir_.filePath(tag + ".raw");

    QFile templateFile(QStringLiteral(QV_ALSA_CAPTURE_TEMPLATE));
    QVERIFY(templateFile.open(QIODevice::ReadOnly));
    useAlsaConfig(tag + "-capture.conf",
                  templateFile.readAll().replace("@CAPTURE_FILE@", QFile::encodeName(capture)));

    const std::span<const std::int16_t> played(samples.constData(), static_cast<std::size_t>(samples.size()));
    auto player = toolkit::makeSoundPlayer();
    player->play(toolkit::Sound{played, rate, channels});

    QTRY_COMPARE(fileContents(capture), bytesOf(played));
    player.reset();
    QCOMPARE(fileContents(capture), bytesOf(played));
    QVERIFY2(!QFile::exists(capture + ".0001"), "the device was opened more than once");
}

void SoundTest::missingAlsaDeviceIsSkippedSilently() {
    useAlsaConfig("no-device.conf", "</usr/share/alsa/alsa.conf>\n"
                                    "pcm.!default { type hw card \"no_such_card\" }\n");
    auto failedOpens = std::make_shared<std::atomic<int>>(0);

    StderrCapture capture;
    {
        toolkit::AsyncSoundPlayer player(std::make_unique<WatchedOutput>(failedOpens));
        QElapsedTimer timer;
        timer.start();
        player.play(toolkit::clickSound());
        QVERIFY(timer.elapsed() < kReturnsAtOnceMs);
        QTRY_COMPARE(failedOpens->load(), 1);
    }
    const QByteArray said = capture.finish();
    QVERIFY2(said.isEmpty(), said.constData());
}

QTEST_GUILESS_MAIN(SoundTest)
#include "test_sound.moc"
