#include "window_frame.h"

#include "forms/rules.h"
#include "toolkit/qt/window.h"

#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QWindow>

namespace qv_test {

forms::FrameMargins expectedFrame() {
    const QStringList parts = qEnvironmentVariable("QV_EXPECTED_FRAME", "2,2,2,2").split(',');
    return {parts.value(0).toInt(), parts.value(1).toInt(), parts.value(2).toInt(), parts.value(3).toInt()};
}

QSize expectedClientSize(QSize outer) {
    const forms::FrameMargins f = expectedFrame();
    return {outer.width() - f.left - f.right, outer.height() - f.top - f.bottom};
}

namespace {

void verifyPlace(toolkit::qt::Window& window, QSize outer) {
    const forms::FrameMargins frame = expectedFrame();
    const QSize client = expectedClientSize(outer);
    QCOMPARE(window.size(), client);
    QCOMPARE(window.minimumSize(), client);
    QCOMPARE(window.maximumSize(), client);

    const QRect screen = window.screen()->geometry();
    const QPoint corner(screen.x() + (screen.width() - outer.width()) / 2,
                        screen.y() + (screen.height() - outer.height()) / 2);
    QCOMPARE(window.geometry().topLeft(), corner + QPoint(frame.left, frame.top));
    const QMargins reported = window.windowHandle()->frameMargins();
    if (!reported.isNull()) {
        QCOMPARE(reported, QMargins(frame.left, frame.top, frame.right, frame.bottom));
        QCOMPARE(window.frameGeometry(), QRect(corner, outer));
    } else {
        QCOMPARE(window.frame(), forms::ClassicFixedFrame);
    }
}

void verifyFlags(toolkit::qt::Window& window) {
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::FramelessWindowHint));
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(window.isWindow());
    QVERIFY(window.parentWidget() == nullptr);
}

} // namespace

void verifyFixedCentredTopLevel(toolkit::qt::Window& window, QSize outer) {
    verifyPlace(window, outer);
    if (QTest::currentTestFailed())
        return;
    verifyFlags(window);
    if (QTest::currentTestFailed())
        return;
    window.resize(expectedClientSize(outer) + QSize(50, 40));
    QCOMPARE(window.size(), expectedClientSize(outer));
}

} // namespace qv_test
