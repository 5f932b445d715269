// The start window as the shell builds it, with real widgets on the offscreen platform: its frame and
// place, what it paints, its focus and keys, its events, and the shell's start, loop and end around it.
#include "app/shell.h"
#include "forms/start_window.h"
#include "quorvane_artwork.h"
#include "test_windows.h"
#include "toolkit/picture.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/window.h"
#include "window_frame.h"

using qv_test::grabbed;
using qv_test::liveWindows;
using qv_test::openMessageBox;

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

namespace {

constexpr forms::WindowId StartWindowId = 0x52010001;
constexpr forms::WindowId OptionsWindowId = 0x52010008;
constexpr std::size_t HeadingUnit = 1;
constexpr std::size_t ButtonUnit = 2;
constexpr std::size_t RingUnit = 3;
const QRect HeadingPlace(40, 12, 552, 56);
const QRect ButtonPlace(143, 248, 88, 32);
const QRect RingPlace(141, 246, 92, 36);
const QSize OuterSize(379, 350);

// What the handlers of the test's own copies of the description saw.
struct Record {
    int clicks = 0;
    int created = 0;
    bool windowVisibleWhenCreated = true;
    bool controlsShownWhenCreated = false;
    QList<QList<int>> presses;
    int endRoutineCalls = 0;
};
Record s_record;
toolkit::qt::QtBackend* s_backend = nullptr;
forms::WindowDescription s_second; // a second window that the test copies may open

void countClick() {
    ++s_record.clicks;
}
void recordPress(std::int32_t x, std::int32_t y, std::int32_t keys) {
    s_record.presses.append({x, y, keys});
}
void recordCreated() {
    ++s_record.created;
    if (toolkit::qt::Window* window = s_backend->window(StartWindowId)) {
        s_record.windowVisibleWhenCreated = window->isVisible();
        s_record.controlsShownWhenCreated = window->control(ButtonUnit)->isVisibleTo(window) &&
                                            window->control(HeadingUnit)->isVisibleTo(window) &&
                                            window->control(RingUnit)->isVisibleTo(window);
    }
}
void openSecondWindow() {
    app::LoadWindow(s_second.ref());
}
void endRoutine() {
    ++s_record.endRoutineCalls;
}

forms::EventBinding* bindingOf(forms::WindowDescription& window, std::size_t unit, std::int32_t event) {
    for (forms::EventBinding& binding : window.units[unit].bindings)
        if (binding.event == event)
            return &binding;
    return nullptr;
}

forms::WindowDescription startWindowCopy() {
    return forms::StartWindow;
}

forms::WindowDescription withClickCounter() {
    forms::WindowDescription copy = startWindowCopy();
    bindingOf(copy, ButtonUnit, forms::event::Clicked)->handler = countClick;
    return copy;
}

forms::WindowDescription secondWindow() {
    forms::WindowDescription copy = startWindowCopy();
    copy.id = 0x52010002;
    copy.units[0].id = 0x06010002;
    for (std::size_t i = 1; i < copy.units.size(); ++i)
        copy.units[i].id += 0x00010000;
    return copy;
}

// The frame the window is expected to get: the one the platform reports, or, where it reports none,
// the classic fixed frame the window assumes. Set per registration of this test.
QSize expectedClientSize() {
    return qv_test::expectedClientSize(OuterSize);
}

// The background picture stretched to `client` by nearest neighbour: each target pixel takes the source
// pixel under its centre, stepped in 16.16 fixed point as Qt's raster engine steps it.
class Stretched {
public:
    explicit Stretched(QSize client) : m_client(client) {
        const auto decoded = toolkit::decodeJpeg(assets::BackgroundJpg);
        if (decoded)
            m_picture = *decoded;
        m_stepX = static_cast<int>(0x10000 * (static_cast<double>(m_picture.width) / client.width()));
        m_stepY = static_cast<int>(0x10000 * (static_cast<double>(m_picture.height) / client.height()));
    }
    bool valid() const { return m_picture.format == toolkit::PixelFormat::Rgb24 && !m_picture.empty(); }
    QRgb at(int x, int y) const {
        const int sx = std::min(m_picture.width - 1, (m_stepX / 2 + x * m_stepX) >> 16);
        const int sy = std::min(m_picture.height - 1, (m_stepY / 2 + y * m_stepY) >> 16);
        const auto* p = &m_picture.pixels[static_cast<std::size_t>((sy * m_picture.width + sx) * 3)];
        return qRgb(p[0], p[1], p[2]);
    }

private:
    QSize m_client;
    toolkit::Image m_picture;
    int m_stepX = 0;
    int m_stepY = 0;
};

int channelDistance(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

bool isPureBlue(QRgb c) {
    return qRed(c) < 40 && qGreen(c) < 40 && qBlue(c) > 215;
}

// The window areas that show the picture and nothing else.
bool showsOnlyBackground(const QPoint& p, int clientWidth) {
    const QRect heading = HeadingPlace.intersected(QRect(0, 0, clientWidth, 10000));
    return !heading.contains(p) && !RingPlace.contains(p);
}

// Runs `step` every few milliseconds while the shell's loop runs, until it returns true; a watchdog
// ends any loop that is still running after a while, so that a fault fails the test instead of hanging it.
class Driver {
public:
    explicit Driver(std::function<bool()> step) : m_step(std::move(step)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            if (m_step())
                m_timer.stop();
        });
        m_timer.start(10);
        m_watchdog.setSingleShot(true);
        QObject::connect(&m_watchdog, &QTimer::timeout, [this] {
            m_timedOut = true;
            if (QMessageBox* box = openMessageBox())
                box->done(0);
            QCoreApplication::exit(99);
        });
        m_watchdog.start(20000);
    }
    bool timedOut() const { return m_timedOut; }

private:
    std::function<bool()> m_step;
    QTimer m_timer;
    QTimer m_watchdog;
    bool m_timedOut = false;
};

bool isUpAndActive(toolkit::qt::Window* window) {
    return window != nullptr && window->isVisible() && window->isActiveWindow();
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
}

} // namespace

class StartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowIsFixedSizeCentredAndFramed();
    void windowHasTitleAndIcon();
    void createdRunsBeforeTheWindowIsShown();
    void controlsAreStackedInListOrder();
    void backgroundIsThePictureStretched();
    void headingIsBlueTextOverThePicture();
    void headingIsClippedAtTheClientEdge();
    void ringIsTwoPixelsOfWhiteAroundTheButton();
    void corruptBackgroundShowsTheButtonFace_data();
    void corruptBackgroundShowsTheButtonFace();

    void buttonHoldsTheFocusAndTabKeepsIt();
    void spaceAndMouseClickTheButtonAndEnterDoesNot();
    void buttonOpensTheOptionsWindow();
    void headingPressReachesItsHandler_data();
    void headingPressReachesItsHandler();

    void loadWindowOfUnknownIdentifierFails();
    void loadWindowOfAnOpenWindowMakesNoSecond();

    void escClosesTheWindowAndTheLoopReturnsZero();
    void closingTheOnlyWindowEndsWithZero();
    void closingOneOfTwoWindowsKeepsRunning();
    void unreadableDescriptionsAreFatal_data();
    void unreadableDescriptionsAreFatal();

private:
    // Builds a shell over `windows`, runs the start-up steps up to the loop by hand and waits until the
    // start window is active.
    toolkit::qt::Window* startWindow(std::vector<const forms::WindowDescription*> windows,
                                     forms::WindowId id = StartWindowId);
    void makeShell(std::vector<const forms::WindowDescription*> windows);

    std::unique_ptr<app::Shell> m_shell;
    toolkit::qt::QtBackend* m_backend = nullptr;
};

void StartWindowTest::init() {
    s_record = {};
    s_second = secondWindow();
}

void StartWindowTest::cleanup() {
    m_shell.reset();
    m_backend = nullptr;
    s_backend = nullptr;
    // A window that the test closed outside a loop may have posted a quit request; take it here so that
    // it cannot end the next test's loop or dialog.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    QVERIFY(liveWindows().isEmpty());
}

void StartWindowTest::makeShell(std::vector<const forms::WindowDescription*> windows) {
    auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
    m_backend = backend.get();
    s_backend = m_backend;
    m_shell = std::make_unique<app::Shell>(std::move(backend), std::move(windows));
}

toolkit::qt::Window* StartWindowTest::startWindow(std::vector<const forms::WindowDescription*> windows,
                                                  forms::WindowId id) {
    makeShell(std::move(windows));
    if (!m_shell->initToolkit() || !m_shell->loadStartWindow(id))
        return nullptr;
    toolkit::qt::Window* window = m_backend->window(id);
    if (window == nullptr || !QTest::qWaitForWindowActive(window))
        return nullptr;
    // The frame, and with it the client size, settles once the platform has reported it; a size that
    // never settles is left for the size checks to report.
    if (!QTest::qWaitFor([&] { return window->size() == expectedClientSize(); }))
        qWarning() << "client size" << window->size() << "expected" << expectedClientSize();
    return window;
}

void StartWindowTest::windowIsFixedSizeCentredAndFramed() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    qv_test::verifyFixedCentredTopLevel(*window, OuterSize);
}

void StartWindowTest::windowHasTitleAndIcon() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Quorvane"));
    const QIcon icon = window->windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const auto ico = toolkit::decodeIco(assets::QuorvaneIco);
    QVERIFY(ico.has_value());
    const QImage shown = icon.pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(shown.size(), QSize(32, 32));
    for (int y = 0; y < 32; y += 5)
        for (int x = 0; x < 32; x += 5) {
            const auto* p = &ico->pixels[static_cast<std::size_t>((y * 32 + x) * 4)]; // B, G, R, A
            if (p[3] == 255)
                QCOMPARE(shown.pixel(x, y), qRgba(p[2], p[1], p[0], p[3]));
        }
}

void StartWindowTest::createdRunsBeforeTheWindowIsShown() {
    forms::WindowDescription copy = startWindowCopy();
    bindingOf(copy, 0, forms::event::Created)->handler = recordCreated;
    toolkit::qt::Window* window = startWindow({&copy}, copy.id);
    QVERIFY(window);
    QCOMPARE(s_record.created, 1);
    QVERIFY(!s_record.windowVisibleWhenCreated);
    QVERIFY(s_record.controlsShownWhenCreated);
}

void StartWindowTest::controlsAreStackedInListOrder() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    // Qt stacks children in the order of the children list, the last one on top.
    QList<QWidget*> stack;
    for (QObject* child : window->children())
        if (auto* widget = qobject_cast<QWidget*>(child); widget && window->unitOf(widget))
            stack.prepend(widget);
    QCOMPARE(stack, (QList<QWidget*>{window->control(HeadingUnit), window->control(ButtonUnit),
                                     window->control(RingUnit)}));
    for (std::size_t unit : {HeadingUnit, ButtonUnit, RingUnit})
        QCOMPARE(window->control(unit)->parentWidget(), window);
    QCOMPARE(window->childAt(RingPlace.topLeft()), window->control(RingUnit));
    QCOMPARE(window->childAt(ButtonPlace.topLeft()), window->control(ButtonUnit));
    QCOMPARE(window->childAt(ButtonPlace.bottomRight()), window->control(ButtonUnit));
    QCOMPARE(window->control(ButtonUnit)->geometry(), ButtonPlace);
    QCOMPARE(window->control(RingUnit)->geometry(), RingPlace);
}

void StartWindowTest::backgroundIsThePictureStretched() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    const QImage shown = grabbed(window);
    QCOMPARE(shown.size(), expectedClientSize());
    const Stretched expected(shown.size());
    QVERIFY(expected.valid());
    int compared = 0;
    int worst = 0;
    QPoint worstAt;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            if (!showsOnlyBackground({x, y}, shown.width()))
                continue;
            ++compared;
            if (const int d = channelDistance(shown.pixel(x, y), expected.at(x, y)); d > worst) {
                worst = d;
                worstAt = {x, y};
            }
        }
    QVERIFY(compared > shown.width() * shown.height() / 2);
    QVERIFY2(worst <= 2,
             qPrintable(QString("pixel %1,%2 is off by %3").arg(worstAt.x()).arg(worstAt.y()).arg(worst)));
    // The corners show the picture's corners: it covers the whole client area.
    QCOMPARE(shown.pixel(shown.width() - 1, shown.height() - 1),
             expected.at(shown.width() - 1, shown.height() - 1));
    QCOMPARE(shown.pixel(0, shown.height() - 1), expected.at(0, shown.height() - 1));
}

void StartWindowTest::headingIsBlueTextOverThePicture() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    const QImage shown = grabbed(window);
    const Stretched background(shown.size());
    const QRect heading = HeadingPlace.intersected(shown.rect());
    int blue = 0, picture = 0;
    QRect glyphs;
    for (int y = heading.top(); y <= heading.bottom(); ++y)
        for (int x = heading.left(); x <= heading.right(); ++x) {
            const QRgb c = shown.pixel(x, y);
            if (isPureBlue(c)) {
                ++blue;
                glyphs |= QRect(x, y, 1, 1);
            } else if (channelDistance(c, background.at(x, y)) <= 2) {
                ++picture;
            }
        }
    // Six bold 48-px characters: plenty of blue, and around them the picture, not a background fill.
    QVERIFY2(blue > 1500, qPrintable(QString::number(blue)));
    QVERIFY2(picture > heading.width() * heading.height() / 2, qPrintable(QString::number(picture)));
    // One line, left-aligned at the control's left edge, centred in its 56-px height.
    QVERIFY2(glyphs.left() >= heading.left() && glyphs.left() < heading.left() + 10,
             qPrintable(QString::number(glyphs.left())));
    QVERIFY2(glyphs.width() > 6 * 40, qPrintable(QString::number(glyphs.width())));
    QVERIFY(glyphs.height() <= 56);
    QVERIFY2(std::abs(glyphs.center().y() - heading.center().y()) <= 4,
             qPrintable(QString("glyphs centred at %1").arg(glyphs.center().y())));
    // No blue anywhere else: the text stays inside its rectangle.
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (!heading.contains(x, y) && !RingPlace.contains(x, y))
                QVERIFY2(!isPureBlue(shown.pixel(x, y)), qPrintable(QString("blue at %1,%2").arg(x).arg(y)));
}

void StartWindowTest::headingIsClippedAtTheClientEdge() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    QWidget* heading = window->control(HeadingUnit);
    QCOMPARE(heading->geometry(), HeadingPlace);
    const int clientWidth = window->width();
    QVERIFY(HeadingPlace.right() >= clientWidth);
    QCOMPARE(heading->visibleRegion().boundingRect(), QRect(0, 0, clientWidth - HeadingPlace.left(), 56));
}

void StartWindowTest::ringIsTwoPixelsOfWhiteAroundTheButton() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    // Keep the pointer away from the button, so that it shows its normal look.
    QTest::mouseMove(window, QPoint(5, window->height() - 5));
    const QImage shown = grabbed(window);
    const QRgb white = qRgb(255, 255, 255);
    for (int y = RingPlace.top(); y <= RingPlace.bottom(); ++y)
        for (int x : {141, 142, 231, 232})
            QVERIFY2(shown.pixel(x, y) == white, qPrintable(QString("%1,%2 not white").arg(x).arg(y)));
    for (int x = RingPlace.left(); x <= RingPlace.right(); ++x)
        for (int y : {246, 247, 280, 281})
            QVERIFY2(shown.pixel(x, y) == white, qPrintable(QString("%1,%2 not white").arg(x).arg(y)));
    // Inside the ring only the button shows, exactly as it paints itself.
    const QImage button = grabbed(window->control(ButtonUnit));
    QCOMPARE(button.size(), ButtonPlace.size());
    QCOMPARE(shown.copy(ButtonPlace), button);
    int whiteInButton = 0;
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x)
            whiteInButton += button.pixel(x, y) == white;
    QVERIFY(whiteInButton < button.width() * button.height() / 2);
}

void StartWindowTest::corruptBackgroundShowsTheButtonFace_data() {
    QTest::addColumn<int>("keep"); // bytes of the picture kept; -1: the bytes garbled instead
    QTest::newRow("truncated to 100 bytes") << 100;
    QTest::newRow("truncated to 2 bytes") << 2;
    QTest::newRow("no picture") << 0;
    QTest::newRow("garbled header") << -1;
}

void StartWindowTest::corruptBackgroundShowsTheButtonFace() {
    QFETCH(int, keep);
    std::vector<std::uint8_t> bytes(assets::BackgroundJpg.begin(), assets::BackgroundJpg.end());
    if (keep >= 0)
        bytes.resize(static_cast<std::size_t>(keep));
    else
        std::fill(bytes.begin() + 2, bytes.begin() + 40, std::uint8_t{0xA5});
    forms::WindowDescription copy = startWindowCopy();
    std::get<forms::WindowSettings>(copy.units[0].settings).background_picture = forms::Picture{bytes};
    toolkit::qt::Window* window = startWindow({&copy}, copy.id);
    QVERIFY(window);
    const QImage shown = grabbed(window);
    const QRgb face = QApplication::palette().color(QPalette::Active, QPalette::Button).rgb();
    for (int y = 0; y < shown.height(); y += 3)
        for (int x = 0; x < shown.width(); x += 3)
            if (showsOnlyBackground({x, y}, shown.width()))
                QVERIFY2(shown.pixel(x, y) == face, qPrintable(QString("%1,%2").arg(x).arg(y)));
    int blue = 0;
    for (int y = HeadingPlace.top(); y <= HeadingPlace.bottom(); ++y)
        for (int x = HeadingPlace.left(); x < shown.width(); ++x)
            blue += isPureBlue(shown.pixel(x, y));
    QVERIFY(blue > 1500);
}

void StartWindowTest::buttonHoldsTheFocusAndTabKeepsIt() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    QWidget* button = window->control(ButtonUnit);
    QTRY_COMPARE(QApplication::focusWidget(), button);
    QCOMPARE(window->focusedUnit(), std::optional<std::size_t>(ButtonUnit));
    pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), button);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), button);
    pressKey(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), button);

    // Whenever the window becomes active again, the button has the focus again.
    QWidget other;
    other.setFocusPolicy(Qt::StrongFocus);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activate();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_COMPARE(QApplication::focusWidget(), button);
}

void StartWindowTest::spaceAndMouseClickTheButtonAndEnterDoesNot() {
    const forms::WindowDescription copy = withClickCounter();
    toolkit::qt::Window* window = startWindow({&copy}, copy.id);
    QVERIFY(window);
    QTRY_COMPARE(QApplication::focusWidget(), window->control(ButtonUnit));
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(s_record.clicks, 0);
    pressKey(Qt::Key_Space);
    QCOMPARE(s_record.clicks, 1);
    QTest::mouseClick(window->control(ButtonUnit), Qt::LeftButton, {}, QPoint(40, 16));
    QCOMPARE(s_record.clicks, 2);
    QVERIFY(window->isVisible());
}

void StartWindowTest::buttonOpensTheOptionsWindow() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    QVERIFY(!m_shell->isOpen(OptionsWindowId));
    QTRY_COMPARE(QApplication::focusWidget(), window->control(ButtonUnit));
    pressKey(Qt::Key_Space);
    QTRY_VERIFY(m_shell->isOpen(OptionsWindowId));
    QVERIFY(m_shell->isOpen(StartWindowId));
    QCOMPARE(liveWindows().size(), 2);
}

void StartWindowTest::headingPressReachesItsHandler_data() {
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("keyState");
    // (0, 0) itself cannot be sent: Qt Test takes a null point for the widget's centre.
    QTest::newRow("left edge") << QPoint(0, 1) << int(Qt::NoModifier) << 0;
    QTest::newRow("on a glyph, Ctrl") << QPoint(30, 28) << int(Qt::ControlModifier) << 1;
    QTest::newRow("Shift") << QPoint(200, 40) << int(Qt::ShiftModifier) << 2;
    QTest::newRow("Alt") << QPoint(100, 10) << int(Qt::AltModifier) << 4;
    QTest::newRow("Ctrl+Shift+Alt") << QPoint(150, 50)
                                    << int(Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier) << 7;
    QTest::newRow("last visible column, bottom row") << QPoint(-1, 55) << int(Qt::NoModifier) << 0;
}

void StartWindowTest::headingPressReachesItsHandler() {
    QFETCH(QPoint, at);
    QFETCH(int, modifiers);
    QFETCH(int, keyState);
    forms::WindowDescription copy = startWindowCopy();
    bindingOf(copy, HeadingUnit, forms::event::LeftButtonDown)->handler = recordPress;
    toolkit::qt::Window* window = startWindow({&copy}, copy.id);
    QVERIFY(window);
    QWidget* heading = window->control(HeadingUnit);
    if (at.x() < 0)
        at.setX(window->width() - HeadingPlace.left() - 1);
    QTest::mouseMove(window, QPoint(5, window->height() - 5));
    const QImage before = grabbed(window);
    QTest::mousePress(heading, Qt::LeftButton, Qt::KeyboardModifiers(modifiers), at);
    QTest::mouseRelease(heading, Qt::LeftButton, Qt::KeyboardModifiers(modifiers), at);
    QCOMPARE(s_record.presses, (QList<QList<int>>{{at.x(), at.y(), keyState}}));
    QCOMPARE(grabbed(window), before);
    QCOMPARE(QApplication::focusWidget(), window->control(ButtonUnit));

    // Other buttons raise no left-button event.
    QTest::mouseClick(heading, Qt::RightButton, {}, at);
    QTest::mouseClick(heading, Qt::MiddleButton, {}, at);
    QCOMPARE(s_record.presses.size(), 1);
}

void StartWindowTest::loadWindowOfUnknownIdentifierFails() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    const QImage before = grabbed(window);
    QVERIFY(!app::LoadWindow({0x52019999, 0x06019999}));
    QVERIFY(!app::LoadWindow({0x16010024, 0x06010000}));
    QCOMPARE(liveWindows(), QList<toolkit::qt::Window*>{window});
    QCOMPARE(grabbed(window), before);
}

void StartWindowTest::loadWindowOfAnOpenWindowMakesNoSecond() {
    toolkit::qt::Window* window = startWindow(app::programWindows());
    QVERIFY(window);
    // The window is found by its identifier alone.
    QVERIFY(app::LoadWindow({StartWindowId, 0}));
    QCOMPARE(liveWindows(), QList<toolkit::qt::Window*>{window});
    QCOMPARE(m_backend->window(StartWindowId), window);

    window->showMinimized();
    QTRY_VERIFY(window->isMinimized());
    QVERIFY(app::LoadWindow(forms::StartWindowRef));
    QTRY_VERIFY(!window->isMinimized());
    QVERIFY(window->isVisible());
    QCOMPARE(liveWindows(), QList<toolkit::qt::Window*>{window});
}

void StartWindowTest::escClosesTheWindowAndTheLoopReturnsZero() {
    makeShell(app::programWindows());
    m_shell->registerEndRoutine(endRoutine);
    m_shell->registerEndRoutine(endRoutine);
    bool pressed = false;
    Driver driver([&] {
        if (!isUpAndActive(m_backend->window(StartWindowId)))
            return false;
        pressed = true;
        pressKey(Qt::Key_Escape);
        return true;
    });
    const int code = m_shell->run();
    QVERIFY(!driver.timedOut());
    QVERIFY(pressed);
    QCOMPARE(code, 0);
    QCOMPARE(s_record.endRoutineCalls, 1);
    QCOMPARE(m_shell->state(), app::Shell::State::Ended);
    QVERIFY(liveWindows().isEmpty());
}

void StartWindowTest::closingTheOnlyWindowEndsWithZero() {
    makeShell(app::programWindows());
    Driver driver([&] {
        toolkit::qt::Window* window = m_backend->window(StartWindowId);
        if (!isUpAndActive(window))
            return false;
        window->close();
        return true;
    });
    QCOMPARE(m_shell->run(), 0);
    QVERIFY(!driver.timedOut());
    QVERIFY(liveWindows().isEmpty());
}

void StartWindowTest::closingOneOfTwoWindowsKeepsRunning() {
    forms::WindowDescription start = startWindowCopy();
    bindingOf(start, ButtonUnit, forms::event::Clicked)->handler = openSecondWindow;
    makeShell({&start, &s_second});
    int step = 0;
    QPointer<toolkit::qt::Window> firstSecond;
    bool keptRunning = false;
    bool builtAfresh = false;
    Driver driver([&] {
        toolkit::qt::Window* first = m_backend->window(start.id);
        toolkit::qt::Window* second = m_backend->window(s_second.id);
        switch (step) {
        case 0: // open the second window with the button
            if (!isUpAndActive(first))
                return false;
            pressKey(Qt::Key_Space);
            ++step;
            return false;
        case 1: // close it, and open it again
            if (!isUpAndActive(second))
                return false;
            firstSecond = second;
            second->close();
            ++step;
            return false;
        case 2: // the user brings the start window back to the front
            if (first != nullptr && !first->isActiveWindow())
                first->activateWindow();
            if (!isUpAndActive(first))
                return false;
            pressKey(Qt::Key_Space);
            ++step;
            return false;
        case 3: // close the start window: the second keeps the program running
            if (!isUpAndActive(second))
                return false;
            builtAfresh = firstSecond.isNull();
            first->close();
            ++step;
            return false;
        case 4:
            if (m_shell->isOpen(start.id))
                return false;
            keptRunning =
                m_shell->state() == app::Shell::State::Running && second != nullptr && second->isVisible();
            if (second)
                second->close();
            return true;
        }
        return true;
    });
    QCOMPARE(m_shell->run(), 0);
    QVERIFY(!driver.timedOut());
    QCOMPARE(step, 4);
    QVERIFY(builtAfresh);
    QVERIFY(keptRunning);
    QVERIFY(liveWindows().isEmpty());
}

void StartWindowTest::unreadableDescriptionsAreFatal_data() {
    QTest::addColumn<int>("fault");
    QTest::newRow("a broken description") << 0;
    QTest::newRow("no start window among the descriptions") << 1;
}

void StartWindowTest::unreadableDescriptionsAreFatal() {
    QFETCH(int, fault);
    forms::WindowDescription broken = startWindowCopy();
    broken.units[RingUnit].children = {broken.units[ButtonUnit].id};
    if (fault == 0)
        makeShell({&broken});
    else
        makeShell({&s_second});
    m_shell->registerEndRoutine(endRoutine);
    bool boxSeen = false, ownerless = false, windowsWhileBox = true;
    QString text;
    Driver driver([&] {
        QMessageBox* box = openMessageBox();
        if (box == nullptr || !box->isVisible())
            return false;
        boxSeen = true;
        ownerless = box->parentWidget() == nullptr;
        windowsWhileBox = !liveWindows().isEmpty();
        text = box->text();
        box->done(QMessageBox::Ok);
        return true;
    });
    const int code = m_shell->run();
    QVERIFY(!driver.timedOut());
    QCOMPARE(code, -1);
    QVERIFY(boxSeen);
    QVERIFY(ownerless);
    QVERIFY(!text.isEmpty());
    QVERIFY(!windowsWhileBox);
    QCOMPARE(s_record.endRoutineCalls, 0);
    QCOMPARE(m_shell->state(), app::Shell::State::Ended);
    QVERIFY(liveWindows().isEmpty());
}

QTEST_MAIN(StartWindowTest)
#include "test_start_window.moc"
