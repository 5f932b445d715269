#include "fixture.h"
#include "scenarios.h"

#include "forms/super_btn_rules.h"
#include "toolkit/picture.h"
#include "toolkit/qt/system_colours.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>
#include <QTest>

#include <array>
#include <optional>

using forms::SuperBtnState;

namespace {

// Bytes that start like the real files and then make no sense, so that each decoder gives up.
constexpr std::array<std::uint8_t, 24> BrokenJpeg{0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J',  'F',
                                                  'I',  'F',  0x00, 0x01, 0x01, 0x00, 0xFF, 0xC0,
                                                  0xFF, 0xFF, 0x13, 0x37, 0x00, 0x00, 0x00, 0x00};
constexpr std::array<std::uint8_t, 24> BrokenPng{0x89, 'P',  'N',  'G',  0x0D, 0x0A, 0x1A, 0x0A,
                                                 0x00, 0x00, 0x00, 0x0D, 'I',  'H',  'D',  'R',
                                                 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00};

constexpr int CornerReach = forms::HighlightCorner.width / 2;

// A picture as the button should show it, decoded and keyed here from the description's settings.
struct Expected {
    std::optional<toolkit::Image> image;
    forms::Colour key = forms::SystemDefault;

    // The picture's colour at (x, y), or nothing where it has no pixel or a key-colour one.
    std::optional<QRgb> at(int x, int y) const {
        if (!image || x < 0 || y < 0 || x >= image->width || y >= image->height)
            return std::nullopt;
        const std::uint8_t* p = image->pixels.data() + static_cast<std::size_t>(y) * image->stride() +
                                static_cast<std::size_t>(x) * image->bytesPerPixel();
        const forms::Rgb rgb = image->format == toolkit::PixelFormat::Rgb24 ? forms::Rgb{p[0], p[1], p[2]}
                                                                            : forms::Rgb{p[2], p[1], p[0]};
        if (forms::toColour(rgb) == key)
            return std::nullopt;
        return qRgb(rgb.red, rgb.green, rgb.blue);
    }
};

Expected expectedPicture(const forms::Picture& picture, forms::Colour key) {
    return {toolkit::decodePicture(picture.bytes), key};
}

QRgb rgbOf(const QColor& colour) {
    return qRgb(colour.red(), colour.green(), colour.blue());
}

QRgb highlightFor(const QColor& face) {
    const forms::Rgb lit = forms::highlightColour({static_cast<std::uint8_t>(face.red()),
                                                   static_cast<std::uint8_t>(face.green()),
                                                   static_cast<std::uint8_t>(face.blue())});
    return qRgb(lit.red, lit.green, lit.blue);
}

// The rounded corners are left to the painter; everything else is fixed by the rules.
bool inCorner(int x, int y, QSize size) {
    const bool nearSide = x < CornerReach || x >= size.width() - CornerReach;
    const bool nearEnd = y < CornerReach || y >= size.height() - CornerReach;
    return nearSide && nearEnd;
}

struct Caption {
    QRect box;          // of the pixels that differ from the look without a caption
    int textPixels = 0; // pixels inside it of exactly the button-text colour
};

// Compares a shot with the look the rules give for `state`, apart from the caption, whose pixels
// are collected instead. Returns a description of the first wrong pixel outside the caption's place.
struct LookCheck {
    const Expected* normal = nullptr;
    const Expected* hover = nullptr;
    int expectedHighlightPixels = 0;
    Caption caption;
    QString fault;

    void run(const QImage& shot, SuperBtnState state) {
        const bool lit = state != SuperBtnState::Normal;
        const Expected* wanted = lit ? hover : normal;
        const Expected* other = lit ? normal : hover;
        const Expected* shown = wanted->image ? wanted : other->image ? other : nullptr;
        const QPoint shift = state == SuperBtnState::Pressed ? QPoint(0, 2) : QPoint(0, 0);
        const QColor face = toolkit::qt::buttonFace();
        const QRgb text = rgbOf(toolkit::qt::buttonText());

        QList<QPoint> differing;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (lit && inCorner(x, y, shot.size()))
                    continue;
                QRgb expected = 0;
                if (const auto picture = shown ? shown->at(x - shift.x(), y - shift.y()) : std::nullopt)
                    expected = *picture;
                else if (!lit)
                    expected = rgbOf(face);
                else if (x == 0 || y == 0 || x == shot.width() - 1 || y == shot.height() - 1)
                    expected = qRgb(0, 0, 0);
                else {
                    expected = highlightFor(face);
                    ++expectedHighlightPixels;
                }
                const QRgb actual = shot.pixel(x, y) | 0xFF000000u;
                if (actual != (expected | 0xFF000000u))
                    differing << QPoint(x, y);
            }
        }
        QRect box;
        for (const QPoint& p : differing)
            box |= QRect(p, QSize(1, 1));
        caption.box = box;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x)
                caption.textPixels += (shot.pixel(x, y) | 0xFF000000u) == (text | 0xFF000000u) ? 1 : 0;
        checkCaptionPlace(shot.size(), shift);
    }

    // The caption is centred both ways in the button, moved with the picture.
    void checkCaptionPlace(QSize size, QPoint shift) {
        const QRect& box = caption.box;
        if (box.width() < size.width() / 2 || box.height() < size.height() / 4) {
            fault = QStringLiteral("caption too small or missing: %1,%2 %3x%4")
                        .arg(box.x())
                        .arg(box.y())
                        .arg(box.width())
                        .arg(box.height());
            return;
        }
        const double dx = (box.left() + box.right()) / 2.0 - (size.width() - 1) / 2.0 - shift.x();
        const double dy = (box.top() + box.bottom()) / 2.0 - (size.height() - 1) / 2.0 - shift.y();
        if (std::abs(dx) > 1.5 || std::abs(dy) > 2.0)
            fault = QStringLiteral("caption off centre by %1, %2 (box %3,%4 %5x%6)")
                        .arg(dx)
                        .arg(dy)
                        .arg(box.x())
                        .arg(box.y())
                        .arg(box.width())
                        .arg(box.height());
        else if (caption.textPixels < 20)
            fault =
                QStringLiteral("only %1 caption pixels in the button-text colour").arg(caption.textPixels);
    }
};

forms::SuperBtnSettings& buttonSettings(forms::WindowDescription& description) {
    return std::get<forms::SuperBtnSettings>(
        description.units[*description.indexOf(fixture::ButtonName)].settings);
}

const forms::SuperBtnSettings& buttonSettings(const forms::WindowDescription& description) {
    return std::get<forms::SuperBtnSettings>(
        description.units[*description.indexOf(fixture::ButtonName)].settings);
}

} // namespace

class SuperBtnWidgetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void scenarios_data();
    void scenarios();
    void looksPerState_data();
    void looksPerState();
    void pressedLookIsTheHoveredLookTwoPixelsLower();
    void coloursAreTheSystemsAtEveryPaint();
    void heldButtonKnownOnlyToThePlatformDoesNotHover();
    void hoversInAnInactiveWindow();
    void clickIsSilentWithoutTheBuiltinSound();

private:
    std::unique_ptr<toolkit::qt::QtBackend> m_backend;
    QStringList m_log;
    fixture::RecordingPlayer* m_player = nullptr;
};

void SuperBtnWidgetTest::initTestCase() {
    m_backend = std::make_unique<toolkit::qt::QtBackend>("test_super_btn_widget");
    auto player = std::make_unique<fixture::RecordingPlayer>(m_log);
    m_player = player.get();
    m_backend->setSoundPlayer(std::move(player));
}

void SuperBtnWidgetTest::init() {
    m_log.clear();
}

void SuperBtnWidgetTest::scenarios_data() {
    scenarios::addColumns();
    scenarios::addRows(true);
}

void SuperBtnWidgetTest::scenarios() {
    QFETCH(QString, steps);
    QFETCH(forms::SuperBtnState, finalState);
    QFETCH(QString, effects);

    fixture::StartWindow start(*m_backend, m_log);
    QVERIFY(start.ready());
    m_log.clear();
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QVERIFY2(start.perform(step), qPrintable(QStringLiteral("unknown step ") + step));
    QCOMPARE(start.button->state(), finalState);
    QCOMPARE(scenarios::joined(m_log), effects);
    QVERIFY(m_player->clickSoundOnly());
}

void SuperBtnWidgetTest::looksPerState_data() {
    QTest::addColumn<bool>("normalBroken");
    QTest::addColumn<bool>("hoverBroken");
    QTest::newRow("both pictures") << false << false;
    QTest::newRow("normal picture broken") << true << false;
    QTest::newRow("hover picture broken") << false << true;
    QTest::newRow("both pictures broken") << true << true;
}

void SuperBtnWidgetTest::looksPerState() {
    QFETCH(bool, normalBroken);
    QFETCH(bool, hoverBroken);
    forms::WindowDescription description = forms::StartWindow;
    forms::SuperBtnSettings& settings = buttonSettings(description);
    if (normalBroken)
        settings.normal_picture = forms::Picture{BrokenPng};
    if (hoverBroken)
        settings.hover_picture = forms::Picture{BrokenJpeg};
    const Expected normal = expectedPicture(settings.normal_picture, settings.normal_key_colour);
    const Expected hover = expectedPicture(settings.hover_picture, settings.hover_key_colour);
    QCOMPARE(normal.image.has_value(), !normalBroken);
    QCOMPARE(hover.image.has_value(), !hoverBroken);

    fixture::StartWindow start(*m_backend, m_log, description);
    QVERIFY(start.ready());
    QCOMPARE(start.button->normalPicture().isNull(), normalBroken);
    QCOMPARE(start.button->hoverPicture().isNull(), hoverBroken);

    const auto check = [&](SuperBtnState state) {
        QCOMPARE(start.button->state(), state);
        LookCheck look{&normal, &hover};
        look.run(start.shot(), state);
        QVERIFY2(look.fault.isEmpty(), qPrintable(look.fault));
        // Where the hover picture has its key colour, the highlight shows through.
        if (state != SuperBtnState::Normal && !hoverBroken)
            QVERIFY(look.expectedHighlightPixels > 0);
    };
    check(SuperBtnState::Normal);
    start.moveTo(start.buttonCentre());
    check(SuperBtnState::Hovered);
    start.press();
    check(SuperBtnState::Pressed);
    start.moveTo(start.background());
    check(SuperBtnState::Normal);
    start.release();
}

void SuperBtnWidgetTest::pressedLookIsTheHoveredLookTwoPixelsLower() {
    fixture::StartWindow start(*m_backend, m_log);
    QVERIFY(start.ready());
    const forms::SuperBtnSettings& settings = buttonSettings(forms::StartWindow);
    const Expected hover = expectedPicture(settings.hover_picture, settings.hover_key_colour);
    const Expected normal = expectedPicture(settings.normal_picture, settings.normal_key_colour);

    start.moveTo(start.buttonCentre());
    const QImage hovered = start.shot();
    start.press();
    const QImage pressed = start.shot();
    start.release();

    const QRgb black = qRgb(0, 0, 0);
    const QRgb highlight = highlightFor(toolkit::qt::buttonFace());
    for (int x = CornerReach; x < pressed.width() - CornerReach; ++x) {
        QCOMPARE(pressed.pixel(x, 0) | 0xFF000000u, black | 0xFF000000u);
        QCOMPARE(pressed.pixel(x, 1) | 0xFF000000u, highlight | 0xFF000000u);
    }
    // The picture's first row now sits at y = 2: where it has a pixel of its own, that pixel shows.
    for (int x = CornerReach; x < pressed.width() - CornerReach; ++x) {
        if (const auto pixel = hover.at(x, 0)) {
            QCOMPARE(pressed.pixel(x, 2) | 0xFF000000u, *pixel | 0xFF000000u);
        } else {
            QCOMPARE(pressed.pixel(x, 2) | 0xFF000000u, highlight | 0xFF000000u);
        }
    }

    LookCheck lookHovered{&normal, &hover};
    lookHovered.run(hovered, SuperBtnState::Hovered);
    LookCheck lookPressed{&normal, &hover};
    lookPressed.run(pressed, SuperBtnState::Pressed);
    QVERIFY2(lookHovered.fault.isEmpty(), qPrintable(lookHovered.fault));
    QVERIFY2(lookPressed.fault.isEmpty(), qPrintable(lookPressed.fault));
    QCOMPARE(lookPressed.caption.box, lookHovered.caption.box.translated(0, 2));
}

void SuperBtnWidgetTest::coloursAreTheSystemsAtEveryPaint() {
    fixture::StartWindow start(*m_backend, m_log);
    QVERIFY(start.ready());
    const forms::SuperBtnSettings& settings = buttonSettings(forms::StartWindow);
    const Expected normal = expectedPicture(settings.normal_picture, settings.normal_key_colour);
    const Expected hover = expectedPicture(settings.hover_picture, settings.hover_key_colour);
    start.moveTo(start.buttonCentre());
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Button, QColor(100, 150, 200));
    changed.setColor(QPalette::ButtonText, QColor(0, 0, 160));
    QApplication::setPalette(changed);
    start.button->update();
    LookCheck look{&normal, &hover};
    look.run(start.shot(), SuperBtnState::Hovered);
    QApplication::setPalette(saved);

    QCOMPARE(highlightFor(QColor(100, 150, 200)), qRgb(132, 182, 232));
    QVERIFY2(look.fault.isEmpty(), qPrintable(look.fault));
    QVERIFY(look.expectedHighlightPixels > 0);
}

void SuperBtnWidgetTest::heldButtonKnownOnlyToThePlatformDoesNotHover() {
    fixture::StartWindow start(*m_backend, m_log);
    QVERIFY(start.ready());
    start.press(); // on the background: the window, not the button, holds the mouse
    QVERIFY(QGuiApplication::mouseButtons().testFlag(Qt::LeftButton));
    // A move that does not itself say the button is held, as when the press was made elsewhere.
    const QPointF inside = start.button->rect().center();
    QMouseEvent move(QEvent::MouseMove, inside, start.button->mapToGlobal(inside), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(start.button, &move);
    QCOMPARE(start.button->state(), SuperBtnState::Normal);
    QVERIFY(m_log.isEmpty());

    start.release();
    QMouseEvent later(QEvent::MouseMove, inside, start.button->mapToGlobal(inside), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(start.button, &later);
    QCOMPARE(start.button->state(), SuperBtnState::Hovered);
    QCOMPARE(m_log, QStringList{QStringLiteral("sound")});
}

void SuperBtnWidgetTest::hoversInAnInactiveWindow() {
    fixture::StartWindow start(*m_backend, m_log);
    QVERIFY(start.ready());
    QWidget other;
    other.setGeometry(500, 400, 100, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!start.window->isActiveWindow());
    m_log.clear();

    start.moveTo(start.buttonCentre());
    QCOMPARE(start.button->state(), SuperBtnState::Hovered);
    QCOMPARE(m_log, QStringList{QStringLiteral("sound")});
    start.moveTo(start.background());
    QCOMPARE(start.button->state(), SuperBtnState::Normal);
}

void SuperBtnWidgetTest::clickIsSilentWithoutTheBuiltinSound() {
    forms::WindowDescription description = forms::StartWindow;
    buttonSettings(description).builtin_sound = false;
    fixture::StartWindow start(*m_backend, m_log, description);
    QVERIFY(start.ready());
    start.moveTo(start.buttonCentre());
    start.press();
    start.release();
    QCOMPARE(start.button->state(), SuperBtnState::Hovered);
    QCOMPARE(m_log, QStringList{QStringLiteral("clicked")});
}

QTEST_MAIN(SuperBtnWidgetTest)
#include "test_super_btn_widget.moc"
