#include "forms/super_btn_rules.h"
#include "scenarios.h"

#include <QTest>

using forms::PictureSlot;
using forms::Rgb;
using forms::SuperBtnFill;
using forms::SuperBtnLook;
using forms::SuperBtnState;

Q_DECLARE_METATYPE(forms::Rgb)
Q_DECLARE_METATYPE(forms::SuperBtnLook)

namespace forms {

char* toString(const Rgb& rgb) {
    return QTest::toString(QStringLiteral("(%1, %2, %3)").arg(rgb.red).arg(rgb.green).arg(rgb.blue));
}

char* toString(const SuperBtnLook& look) {
    return QTest::toString(QStringLiteral("fill %1, picture %2, shift %3,%4")
                               .arg(static_cast<int>(look.fill))
                               .arg(static_cast<int>(look.picture))
                               .arg(look.shift.x)
                               .arg(look.shift.y));
}

} // namespace forms

namespace {

// Plays the steps of a scenario to the machine as the widget would report them, checking on the way
// that a repaint is asked for exactly when the look changes.
class MachineDriver {
public:
    QStringList effects;
    forms::SuperBtnMachine machine;

    bool perform(const QString& step) {
        if (step == QLatin1String("in") || step == QLatin1String("in2")) {
            m_pointerInside = true;
            return take(machine.pointerMoved(true, m_leftHeld));
        }
        if (step == QLatin1String("out")) {
            m_pointerInside = false;
            // A captured mouse reports the move outside; otherwise the button only hears that it was left.
            return take(machine.heldByMouse() ? machine.pointerMoved(false, true) : machine.pointerLeft());
        }
        if (step == QLatin1String("press")) {
            m_leftHeld = true;
            return !m_pointerInside || take(machine.leftPressed());
        }
        if (step == QLatin1String("release")) {
            m_leftHeld = false;
            return take(machine.leftReleased(m_pointerInside));
        }
        if (step == QLatin1String("away"))
            return take(machine.focusLost());
        if (step == QLatin1String("space-down"))
            return take(machine.spacePressed());
        if (step == QLatin1String("space-up"))
            return take(machine.spaceReleased());
        return false;
    }

private:
    bool take(const forms::SuperBtnReaction& reaction) {
        const SuperBtnState now = machine.state();
        const bool repaintRight = reaction.repaint == (now != m_lastState);
        m_lastState = now;
        if (reaction.playSound)
            effects << QStringLiteral("sound");
        if (reaction.clicked)
            effects << QStringLiteral("clicked");
        return repaintRight;
    }

    bool m_pointerInside = false;
    bool m_leftHeld = false;
    SuperBtnState m_lastState = SuperBtnState::Normal;
};

} // namespace

class SuperBtnRulesTest : public QObject {
    Q_OBJECT

private slots:
    void highlightIsTheFaceLifted_data();
    void highlightIsTheFaceLifted();
    void scenarios_data();
    void scenarios();
    void lookPerState_data();
    void lookPerState();
    void pressedShiftSetting();
};

void SuperBtnRulesTest::highlightIsTheFaceLifted_data() {
    QTest::addColumn<Rgb>("face");
    QTest::addColumn<int>("lift");
    QTest::addColumn<Rgb>("highlight");
    QTest::newRow("classic grey face") << Rgb{212, 208, 200} << 32 << Rgb{244, 240, 232};
    QTest::newRow("light grey: limited by every channel") << Rgb{240, 240, 240} << 15 << Rgb{255, 255, 255};
    QTest::newRow("limited by red alone") << Rgb{250, 100, 0} << 5 << Rgb{255, 105, 5};
    QTest::newRow("limited by green alone") << Rgb{10, 230, 20} << 25 << Rgb{35, 255, 45};
    QTest::newRow("limited by blue alone") << Rgb{0, 0, 224} << 31 << Rgb{31, 31, 255};
    QTest::newRow("exactly 32 below white") << Rgb{223, 223, 223} << 32 << Rgb{255, 255, 255};
    QTest::newRow("black") << Rgb{0, 0, 0} << 32 << Rgb{32, 32, 32};
    QTest::newRow("white stays white") << Rgb{255, 255, 255} << 0 << Rgb{255, 255, 255};
    QTest::newRow("one channel full") << Rgb{128, 255, 64} << 0 << Rgb{128, 255, 64};
}

void SuperBtnRulesTest::highlightIsTheFaceLifted() {
    QFETCH(Rgb, face);
    QFETCH(int, lift);
    QFETCH(Rgb, highlight);
    QCOMPARE(forms::highlightLift(face), lift);
    QCOMPARE(forms::highlightColour(face), highlight);
}

void SuperBtnRulesTest::scenarios_data() {
    scenarios::addColumns();
    scenarios::addRows(false);
}

void SuperBtnRulesTest::scenarios() {
    QFETCH(QString, steps);
    QFETCH(forms::SuperBtnState, finalState);
    QFETCH(QString, effects);

    MachineDriver driver;
    QCOMPARE(driver.machine.state(), SuperBtnState::Normal);
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QVERIFY2(driver.perform(step), qPrintable(QStringLiteral("repaint wrong after ") + step));
    QCOMPARE(driver.machine.state(), finalState);
    QCOMPARE(scenarios::joined(driver.effects), effects);
}

void SuperBtnRulesTest::lookPerState_data() {
    QTest::addColumn<SuperBtnState>("state");
    QTest::addColumn<bool>("normalPicture");
    QTest::addColumn<bool>("hoverPicture");
    QTest::addColumn<SuperBtnLook>("look");
    const forms::Point none{0, 0};
    const forms::Point down2{0, 2};
    using S = SuperBtnState;
    using F = SuperBtnFill;
    using P = PictureSlot;
    QTest::newRow("normal") << S::Normal << true << true << SuperBtnLook{F::Face, P::Normal, none};
    QTest::newRow("hovered") << S::Hovered << true << true
                             << SuperBtnLook{F::RoundedHighlight, P::Hover, none};
    QTest::newRow("pressed") << S::Pressed << true << true
                             << SuperBtnLook{F::RoundedHighlight, P::Hover, down2};
    QTest::newRow("normal, no normal picture")
        << S::Normal << false << true << SuperBtnLook{F::Face, P::Hover, none};
    QTest::newRow("hovered, no normal picture")
        << S::Hovered << false << true << SuperBtnLook{F::RoundedHighlight, P::Hover, none};
    QTest::newRow("normal, no hover picture")
        << S::Normal << true << false << SuperBtnLook{F::Face, P::Normal, none};
    QTest::newRow("hovered, no hover picture")
        << S::Hovered << true << false << SuperBtnLook{F::RoundedHighlight, P::Normal, none};
    QTest::newRow("pressed, no hover picture")
        << S::Pressed << true << false << SuperBtnLook{F::RoundedHighlight, P::Normal, down2};
    QTest::newRow("normal, no picture")
        << S::Normal << false << false << SuperBtnLook{F::Face, P::None, none};
    QTest::newRow("pressed, no picture")
        << S::Pressed << false << false << SuperBtnLook{F::RoundedHighlight, P::None, down2};
}

void SuperBtnRulesTest::lookPerState() {
    QFETCH(SuperBtnState, state);
    QFETCH(bool, normalPicture);
    QFETCH(bool, hoverPicture);
    QFETCH(SuperBtnLook, look);
    QCOMPARE(forms::superBtnLook(state, {normalPicture, hoverPicture}, 1), look);
}

void SuperBtnRulesTest::pressedShiftSetting() {
    QCOMPARE(forms::pressedShift(1), (forms::Point{0, 2}));
    QCOMPARE(forms::pressedShift(0), (forms::Point{1, 1}));
    QCOMPARE(forms::superBtnLook(SuperBtnState::Pressed, {true, true}, 0).shift, (forms::Point{1, 1}));
    QCOMPARE(forms::superBtnLook(SuperBtnState::Hovered, {true, true}, 0).shift, (forms::Point{0, 0}));
}

QTEST_APPLESS_MAIN(SuperBtnRulesTest)
#include "test_super_btn_rules.moc"
