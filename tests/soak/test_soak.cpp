// The options window opened and closed many times through the start button, filled in each time: once
// it is closed, nothing of it is left (widgets, objects, timers, pictures), and the run is clean under
// LeakSanitizer in the sanitizer build. The start window, closed and loaded again, lets go of its
// pictures likewise.
#include "live_objects.h"
#include "options_cycle.h"

#include "forms/options_window.h"
#include "forms/start_window.h"
#include "toolkit/qt/images.h"

#include <QApplication>
#include <QTest>

namespace {

constexpr int SoakCycles = 1000;

// Everything the program holds that a closed window could leave behind.
struct Holdings {
    QMap<QString, int> objects;
    int widgets = 0;
    int topLevels = 0;
    int windows = 0;
    int timers = 0;
    int pictures = 0;

    static Holdings now() {
        Holdings h;
        h.objects = LiveObjects::countByClass();
        h.widgets = static_cast<int>(QApplication::allWidgets().size());
        h.topLevels = static_cast<int>(QApplication::topLevelWidgets().size());
        h.windows = LiveObjects::countInheriting("toolkit::qt::Window");
        h.timers = LiveObjects::timerCount();
        h.pictures = toolkit::qt::livePictures();
        return h;
    }
};

QString differences(const Holdings& before, const Holdings& after) {
    QStringList lines;
    const auto compare = [&](const QString& what, int was, int is) {
        if (was != is)
            lines << QStringLiteral("%1: %2 -> %3").arg(what).arg(was).arg(is);
    };
    compare(QStringLiteral("widgets"), before.widgets, after.widgets);
    compare(QStringLiteral("top-level widgets"), before.topLevels, after.topLevels);
    compare(QStringLiteral("windows"), before.windows, after.windows);
    compare(QStringLiteral("timers"), before.timers, after.timers);
    compare(QStringLiteral("pictures"), before.pictures, after.pictures);
    QMap<QString, int> classes = before.objects;
    classes.insert(after.objects);
    for (auto it = classes.cbegin(); it != classes.cend(); ++it)
        compare(it.key(), before.objects.value(it.key()), after.objects.value(it.key()));
    return lines.join(QStringLiteral("; "));
}

// Lets go of what the last cycle deferred: deletions and queued events.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();

    void closedOptionsWindowsLeaveNothingBehind();
    void reloadedStartWindowLetsGoOfItsPictures();
};

void SoakTest::initTestCase() {
    hidePlatformLimitations();
    QVERIFY2(LiveObjects::install(), "this Qt offers no object hooks");
}

void SoakTest::cleanupTestCase() {
    LiveObjects::uninstall();
}

void SoakTest::closedOptionsWindowsLeaveNothingBehind() {
    OptionsCycle soak;
    QVERIFY2(soak.start(), qPrintable(soak.error()));
    // The first cycle makes what Qt creates once and keeps: style data, fonts, the input context.
    QVERIFY2(soak.run(0), qPrintable(soak.error()));
    settle();
    const Holdings before = Holdings::now();
    QCOMPARE(before.windows, 1);
    QVERIFY(before.pictures > 0);

    for (int cycle = 1; cycle <= SoakCycles; ++cycle)
        QVERIFY2(soak.run(cycle), qPrintable(QStringLiteral("cycle %1: %2").arg(cycle).arg(soak.error())));
    settle();
    const Holdings after = Holdings::now();
    QVERIFY2(differences(before, after).isEmpty(), qPrintable(differences(before, after)));
    qInfo("%d cycles; %d objects, %d widgets, %d timers, %d pictures live afterwards", SoakCycles,
          LiveObjects::count(), after.widgets, after.timers, after.pictures);
}

// The options window keeps the program running while the start window is closed and loaded again.
void SoakTest::reloadedStartWindowLetsGoOfItsPictures() {
    OptionsCycle soak;
    QVERIFY2(soak.start(), qPrintable(soak.error()));
    const int startPictures = toolkit::qt::livePictures();
    QVERIFY(startPictures > 0);
    QVERIFY(app::LoadWindow(forms::OptionsWindowRef));
    settle();
    const Holdings withBoth = Holdings::now();

    for (int cycle = 0; cycle < 100; ++cycle) {
        soak.startWindow()->close();
        QVERIFY(waitUntil([&] { return soak.startWindow() == nullptr; }));
        settle();
        QCOMPARE(toolkit::qt::livePictures(), 0);
        QCOMPARE(LiveObjects::countInheriting("toolkit::qt::Window"), 1);
        QVERIFY(app::LoadWindow(forms::StartWindowRef));
        QVERIFY(soak.startWindow() != nullptr);
        QCOMPARE(toolkit::qt::livePictures(), startPictures);
    }
    settle();
    const Holdings after = Holdings::now();
    QVERIFY2(differences(withBoth, after).isEmpty(), qPrintable(differences(withBoth, after)));
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
