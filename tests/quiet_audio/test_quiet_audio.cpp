// The click sound as the start button makes it, through the real player: a burst of hovers and clicks
// on the real button never waits for a stalled, slow or busy device and never piles up sounds, and on
// a machine without a sound card the system's own ALSA configuration fails quietly.
#include "app/shell.h"
#include "toolkit/alsa_output.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/window.h"
#include "toolkit/sound.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <memory>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr forms::WindowId StartWindowId = 0x52010001;
constexpr forms::WindowId OptionsWindowId = 0x52010008;
constexpr std::size_t ButtonUnit = 2;
constexpr int BurstCycles = 100;

enum class Trouble { Stalled, Slow, Busy };

// A sound device that is stuck in its first write until released, takes as long as real time for
// every write, or is held by another program. It records every session so that the test can see what
// was played, and a stall gives up after a long while so that a fault fails instead of hanging.
class TroubledDevice {
public:
    struct Session {
        std::vector<std::int16_t> written;
        bool finished = false;
        bool dropped = false;
        bool closed = false;
    };

    explicit TroubledDevice(Trouble trouble) : m_trouble(trouble) {}

    void release() {
        {
            std::lock_guard lock(m_mutex);
            m_released = true;
        }
        m_wake.notify_all();
    }
    bool stalled() const {
        std::lock_guard lock(m_mutex);
        return m_stalled;
    }
    int openAttempts() const {
        std::lock_guard lock(m_mutex);
        return m_openAttempts;
    }
    std::vector<Session> sessions() const {
        std::lock_guard lock(m_mutex);
        return m_sessions;
    }
    // The player has let go of the device and nothing is waiting to be played.
    bool idle() const {
        std::lock_guard lock(m_mutex);
        return !m_open;
    }

    bool open(int rate, int channels) {
        std::lock_guard lock(m_mutex);
        ++m_openAttempts;
        if (m_trouble == Trouble::Busy)
            return false;
        m_rate = rate;
        m_channels = channels;
        m_open = true;
        m_sessions.emplace_back();
        return true;
    }

    bool write(std::span<const std::int16_t> samples) {
        std::unique_lock lock(m_mutex);
        if (m_trouble == Trouble::Stalled && !m_released) {
            m_stalled = true;
            m_wake.wait_for(lock, 30s, [this] { return m_released; });
            m_stalled = false;
        }
        if (m_trouble == Trouble::Slow) {
            const auto playTime = std::chrono::microseconds(
                1'000'000 * static_cast<long long>(samples.size()) / (m_rate * m_channels));
            lock.unlock();
            std::this_thread::sleep_for(playTime);
            lock.lock();
        }
        auto& written = m_sessions.back().written;
        written.insert(written.end(), samples.begin(), samples.end());
        return true;
    }

    bool finish(std::chrono::milliseconds) {
        std::lock_guard lock(m_mutex);
        m_sessions.back().finished = true;
        return true;
    }
    void drop() {
        std::lock_guard lock(m_mutex);
        m_sessions.back().dropped = true;
    }
    void close() {
        std::lock_guard lock(m_mutex);
        m_sessions.back().closed = true;
        m_open = false;
    }

private:
    const Trouble m_trouble;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_released = false;
    bool m_stalled = false;
    bool m_open = false;
    int m_rate = 0;
    int m_channels = 0;
    int m_openAttempts = 0;
    std::vector<Session> m_sessions;
};

class TroubledOutput final : public toolkit::AudioOutput {
public:
    explicit TroubledOutput(std::shared_ptr<TroubledDevice> device) : m_device(std::move(device)) {}
    bool open(int rate, int channels) override { return m_device->open(rate, channels); }
    bool write(std::span<const std::int16_t> samples) override { return m_device->write(samples); }
    bool finish(std::chrono::milliseconds wait) override { return m_device->finish(wait); }
    void drop() override { m_device->drop(); }
    void close() override { m_device->close(); }

private:
    std::shared_ptr<TroubledDevice> m_device;
};

// Counts what the button asks for before the real player takes it.
class CountingPlayer final : public toolkit::SoundPlayer {
public:
    CountingPlayer(std::unique_ptr<toolkit::SoundPlayer> inner, std::shared_ptr<std::atomic<int>> count)
        : m_inner(std::move(inner)), m_count(std::move(count)) {}
    void play(const toolkit::Sound& sound) override {
        ++*m_count;
        m_inner->play(sound);
    }

private:
    std::unique_ptr<toolkit::SoundPlayer> m_inner;
    std::shared_ptr<std::atomic<int>> m_count;
};

// The real ALSA output, telling the test each time the device could not be opened.
class WatchedAlsaOutput final : public toolkit::AudioOutput {
public:
    explicit WatchedAlsaOutput(std::shared_ptr<std::atomic<int>> failedOpens)
        : m_failedOpens(std::move(failedOpens)) {}
    bool open(int rate, int channels) override {
        const bool opened = m_inner.open(rate, channels);
        if (!opened)
            ++*m_failedOpens;
        return opened;
    }
    bool write(std::span<const std::int16_t> samples) override { return m_inner.write(samples); }
    bool finish(std::chrono::milliseconds wait) override { return m_inner.finish(wait); }
    void drop() override { m_inner.drop(); }
    void close() override { m_inner.close(); }

private:
    toolkit::AlsaOutput m_inner;
    std::shared_ptr<std::atomic<int>> m_failedOpens;
};

// Collects what the process writes to its standard error while it is installed.
class StderrCapture {
public:
    StderrCapture() {
        if (pipe(m_pipe) != 0)
            qFatal("no pipe for standard error");
        fcntl(m_pipe[0], F_SETFL, O_NONBLOCK);
        fcntl(m_pipe[1], F_SETFL, O_NONBLOCK);
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        dup2(m_pipe[1], STDERR_FILENO);
    }
    ~StderrCapture() { finish(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    QByteArray finish() {
        if (m_saved < 0)
            return m_said;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
        m_saved = -1;
        ::close(m_pipe[1]);
        char buffer[4096];
        ssize_t count = 0;
        while ((count = read(m_pipe[0], buffer, sizeof buffer)) > 0)
            m_said.append(buffer, count);
        ::close(m_pipe[0]);
        return m_said;
    }

private:
    int m_pipe[2] = {-1, -1};
    int m_saved = -1;
    QByteArray m_said;
};

bool machineHasSoundCard() {
    QFile cards(QStringLiteral("/proc/asound/cards"));
    if (cards.open(QIODevice::ReadOnly) && !cards.readAll().contains("no soundcards"))
        return true;
    return !QDir(QStringLiteral("/dev/snd")).entryList({QStringLiteral("pcm*")}, QDir::System).isEmpty();
}

} // namespace

Q_DECLARE_METATYPE(Trouble)
Q_DECLARE_METATYPE(std::chrono::milliseconds)

class QuietAudioTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void burstOnTheButtonNeitherBlocksNorQueues_data();
    void burstOnTheButtonNeitherBlocksNorQueues();
    void machineWithoutSoundCardSkipsTheClickSilently();

private:
    toolkit::qt::Window* openStartWindow(std::unique_ptr<toolkit::SoundPlayer> player);
    void burstOfHoversAndClicks(toolkit::qt::Window& start, std::chrono::milliseconds spacing);

    std::unique_ptr<app::Shell> m_shell;
    toolkit::qt::QtBackend* m_backend = nullptr;
};

// The offscreen platform says so each time a window is brought forward, which the burst does a hundred
// times; what else is said still shows.
QtMessageHandler s_defaultHandler = nullptr;

void dropPlatformLimitations(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        s_defaultHandler(type, context, message);
}

void QuietAudioTest::initTestCase() {
    s_defaultHandler = qInstallMessageHandler(dropPlatformLimitations);
}

void QuietAudioTest::cleanup() {
    m_shell.reset();
    m_backend = nullptr;
    // The last window's destruction posts a quit request; take it so that it cannot end a later loop.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
}

toolkit::qt::Window* QuietAudioTest::openStartWindow(std::unique_ptr<toolkit::SoundPlayer> player) {
    auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
    m_backend = backend.get();
    m_backend->setSoundPlayer(std::move(player));
    m_shell = std::make_unique<app::Shell>(std::move(backend), app::programWindows());
    if (!m_shell->initToolkit() || !m_shell->loadStartWindow(StartWindowId))
        return nullptr;
    toolkit::qt::Window* start = m_backend->window(StartWindowId);
    return start != nullptr && QTest::qWaitForWindowActive(start) ? start : nullptr;
}

// Each cycle moves the pointer onto the button (the entry sound), clicks it (the click sound, and the
// options window opens or comes forward) and moves it off again: all at once, or one cycle every
// `spacing` from a timer, as a fast user would, so that the player's worker runs in between.
void QuietAudioTest::burstOfHoversAndClicks(toolkit::qt::Window& start, std::chrono::milliseconds spacing) {
    QWidget* button = start.control(ButtonUnit);
    const QPoint onButton = button->geometry().center();
    const QPoint offButton(10, 10);
    const auto cycle = [&] {
        QTest::mouseMove(&start, onButton);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
        QTest::mouseMove(&start, offButton);
    };
    QElapsedTimer timer;
    timer.start();
    if (spacing == 0ms) {
        for (int i = 0; i < BurstCycles; ++i)
            cycle();
    } else {
        int cycles = 0;
        QTimer pace;
        QObject::connect(&pace, &QTimer::timeout, [&] {
            if (cycles++ < BurstCycles)
                cycle();
        });
        pace.start(spacing);
        QTRY_VERIFY_WITH_TIMEOUT(cycles >= BurstCycles, 30000);
    }
    qInfo("%d hovers and clicks in %lld ms", BurstCycles, static_cast<long long>(timer.elapsed()));
}

void QuietAudioTest::burstOnTheButtonNeitherBlocksNorQueues_data() {
    QTest::addColumn<Trouble>("trouble");
    QTest::addColumn<std::chrono::milliseconds>("spacing");
    const std::pair<const char*, Trouble> troubles[] = {{"device stuck in its first write", Trouble::Stalled},
                                                        {"device as slow as real time", Trouble::Slow},
                                                        {"device held by another program", Trouble::Busy}};
    for (const auto& [name, trouble] : troubles) {
        QTest::addRow("%s, all at once", name) << trouble << 0ms;
        QTest::addRow("%s, within a second", name) << trouble << 10ms;
    }
}

void QuietAudioTest::burstOnTheButtonNeitherBlocksNorQueues() {
    QFETCH(Trouble, trouble);
    QFETCH(std::chrono::milliseconds, spacing);
    auto device = std::make_shared<TroubledDevice>(trouble);
    auto requests = std::make_shared<std::atomic<int>>(0);
    toolkit::qt::Window* start = openStartWindow(std::make_unique<CountingPlayer>(
        std::make_unique<toolkit::AsyncSoundPlayer>(std::make_unique<TroubledOutput>(device)), requests));
    QVERIFY(start != nullptr);
    if (trouble == Trouble::Stalled) {
        QTest::mouseMove(start, start->control(ButtonUnit)->geometry().center());
        QTRY_VERIFY(device->stalled());
        QTest::mouseMove(start, QPoint(10, 10));
        *requests = 0;
    }

    burstOfHoversAndClicks(*start, spacing);
    QCOMPARE(requests->load(), 2 * BurstCycles);
    QVERIFY(m_backend->window(OptionsWindowId) != nullptr);
    if (trouble == Trouble::Stalled) {
        // Every sound of the burst was asked for while the device was still stuck in one write, so
        // none of them waited for it.
        QVERIFY(device->stalled());
        QCOMPARE(device->openAttempts(), 1);
        device->release();
    }
    const int openedByTheEndOfTheBurst = device->openAttempts();
    QTRY_VERIFY(device->idle());
    // Requests waiting in a queue would go on opening the device long after the burst; the newest
    // replaces the rest, so at most that one is still to come.
    QVERIFY2(device->openAttempts() <= openedByTheEndOfTheBurst + 1,
             qPrintable(QStringLiteral("%1 opened after the burst")
                            .arg(device->openAttempts() - openedByTheEndOfTheBurst)));
    QVERIFY(device->openAttempts() <= 2 * BurstCycles + 1);

    const std::vector<TroubledDevice::Session> sessions = device->sessions();
    if (trouble == Trouble::Busy) {
        QVERIFY(sessions.empty());
        return;
    }
    const toolkit::Sound& click = toolkit::clickSound();
    QVERIFY(sessions.back().finished);
    QVERIFY(sessions.back().written == std::vector<std::int16_t>(click.samples.begin(), click.samples.end()));
    if (trouble == Trouble::Stalled) {
        QCOMPARE(sessions.size(), std::size_t{2});
        QVERIFY(sessions.front().dropped);
    }
}

void QuietAudioTest::machineWithoutSoundCardSkipsTheClickSilently() {
    if (machineHasSoundCard())
        QSKIP("this machine has a sound card");
    qunsetenv("ALSA_CONFIG_PATH");
    auto failedOpens = std::make_shared<std::atomic<int>>(0);
    auto requests = std::make_shared<std::atomic<int>>(0);

    StderrCapture capture;
    toolkit::qt::Window* start = openStartWindow(std::make_unique<CountingPlayer>(
        std::make_unique<toolkit::AsyncSoundPlayer>(std::make_unique<WatchedAlsaOutput>(failedOpens)),
        requests));
    QVERIFY(start != nullptr);
    QTest::mouseMove(start, start->control(ButtonUnit)->geometry().center());
    QTRY_COMPARE(failedOpens->load(), 1);
    QTest::mouseMove(start, QPoint(10, 10));
    burstOfHoversAndClicks(*start, 10ms);
    QTRY_VERIFY(failedOpens->load() >= 2);
    m_shell.reset();
    const QByteArray said = capture.finish();
    QCOMPARE(requests->load(), 1 + 2 * BurstCycles);
    QVERIFY(failedOpens->load() <= requests->load());
    QVERIFY2(said.isEmpty(), said.constData());
}

QTEST_MAIN(QuietAudioTest)
#include "test_quiet_audio.moc"
