#include "fixture.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>

namespace {

// Passes every sound on to the platform's player and counts it, so that a test knows how many
// captures to wait for.
class CountingPlayer final : public toolkit::SoundPlayer {
public:
    explicit CountingPlayer(std::unique_ptr<toolkit::SoundPlayer> inner) : m_inner(std::move(inner)) {}
    void play(const toolkit::Sound& sound) override {
        ++m_count;
        m_inner->play(sound);
    }
    int count() const { return m_count; }

private:
    std::unique_ptr<toolkit::SoundPlayer> m_inner;
    int m_count = 0;
};

QByteArray clickBytes() {
    const auto samples = toolkit::clickSound().samples;
    return QByteArray(reinterpret_cast<const char*>(samples.data()),
                      static_cast<qsizetype>(samples.size_bytes()));
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The capture device writes the n-th sound (from 0) to the path, then to path.0001, path.0002 and on.
QString captureOf(const QString& path, int n) {
    return n == 0 ? path : path + QStringLiteral(".%1").arg(n, 4, 10, QLatin1Char('0'));
}

int capturesOf(const QString& path) {
    const QFileInfo info(path);
    return static_cast<int>(
        info.dir().entryList({info.fileName() + QStringLiteral("*")}, QDir::Files).size());
}

} // namespace

// The button played through the real ALSA library, its default device redefined for the test as one
// that writes every sound to a file, or as a card that does not exist.
class SuperBtnSoundTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void soundsReachTheDevice_data();
    void soundsReachTheDevice();
    void withoutADeviceTheButtonGoesOn();

private:
    void useAlsaConfig(const QString& name, const QByteArray& text);

    QTemporaryDir m_dir;
    QStringList m_log;
};

void SuperBtnSoundTest::initTestCase() {
    QVERIFY(m_dir.isValid());
}

void SuperBtnSoundTest::cleanup() {
    qunsetenv("ALSA_CONFIG_PATH");
}

void SuperBtnSoundTest::useAlsaConfig(const QString& name, const QByteArray& text) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), text.size());
    file.close();
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(path));
}

void SuperBtnSoundTest::soundsReachTheDevice_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("sounds");
    QTest::newRow("hover once") << "in" << 1;
    QTest::newRow("moving about inside") << "in in2 in in2" << 1;
    QTest::newRow("click") << "in press release" << 2;
    QTest::newRow("dragged off and released outside") << "in press out release" << 1;
    QTest::newRow("dragged in with the button held") << "out press in in2 in" << 0;
}

void SuperBtnSoundTest::soundsReachTheDevice() {
    QFETCH(QString, steps);
    QFETCH(int, sounds);
    const QString tag =
        QString::fromLatin1(QTest::currentDataTag()).replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString capture = m_dir.filePath(tag + QStringLiteral(".raw"));
    QFile templateFile(QStringLiteral(QV_ALSA_CAPTURE_TEMPLATE));
    QVERIFY(templateFile.open(QIODevice::ReadOnly));
    useAlsaConfig(tag + QStringLiteral(".conf"),
                  templateFile.readAll().replace("@CAPTURE_FILE@", QFile::encodeName(capture)));

    toolkit::qt::QtBackend backend("test_super_btn_sound");
    auto counting = std::make_unique<CountingPlayer>(toolkit::makeSoundPlayer());
    CountingPlayer* player = counting.get();
    backend.setSoundPlayer(std::move(counting));
    fixture::StartWindow start(backend, m_log);
    QVERIFY(start.ready());

    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int before = player->count();
        QVERIFY(start.perform(step));
        // Each sound plays out before the next step, so that none replaces another.
        if (player->count() > before)
            QTRY_COMPARE(contentsOf(captureOf(capture, player->count() - 1)), clickBytes());
    }
    QCOMPARE(player->count(), sounds);
    QCOMPARE(capturesOf(capture), sounds);
}

void SuperBtnSoundTest::withoutADeviceTheButtonGoesOn() {
    useAlsaConfig(QStringLiteral("no-device.conf"), "</usr/share/alsa/alsa.conf>\n"
                                                    "pcm.!default { type hw card \"no_such_card\" }\n");
    toolkit::qt::QtBackend backend("test_super_btn_sound");
    fixture::StartWindow start(backend, m_log);
    QVERIFY(start.ready());
    m_log.clear();
    for (const char* step : {"in", "press", "release", "press", "release", "out"})
        QVERIFY(start.perform(QString::fromLatin1(step)));
    QCOMPARE(m_log, (QStringList{QStringLiteral("clicked"), QStringLiteral("clicked")}));
    QCOMPARE(start.button->state(), forms::SuperBtnState::Normal);
}

QTEST_MAIN(SuperBtnSoundTest)
#include "test_super_btn_sound.moc"
