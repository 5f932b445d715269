#pragma once

#include "forms/super_btn_rules.h"

#include <QString>
#include <QStringList>
#include <QTest>

// What a user does to the start button, one step a word, and what it must come to: the look it ends
// in and what it played and raised, in order. The rules test feeds the steps to the state machine,
// the widget test performs them with real input on the built window.
//
// Steps: in, in2 (the pointer moves to one of two places over the button without, or with, the left
// button held as it happens to be), out (to the window's background), press, release (the left button
// where the pointer is), away (the button loses the focus), space-down, space-up, enter.
Q_DECLARE_METATYPE(forms::SuperBtnState)

namespace scenarios {

inline void addColumns() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<forms::SuperBtnState>("finalState");
    QTest::addColumn<QString>("effects"); // "sound" and "clicked" in the order they happened
}

inline void addRows(bool withKeysTheWindowTakes) {
    using State = forms::SuperBtnState;
    QTest::newRow("hover once") << "in" << State::Hovered << "sound";
    QTest::newRow("moving about inside sounds once") << "in in2 in in2" << State::Hovered << "sound";
    QTest::newRow("leaving ends the hover") << "in out" << State::Normal << "sound";
    QTest::newRow("each entry sounds") << "in out in" << State::Hovered << "sound sound";
    QTest::newRow("press shows pressed") << "in press" << State::Pressed << "sound";
    QTest::newRow("moving while pressed") << "in press in2" << State::Pressed << "sound";
    QTest::newRow("click") << "in press release" << State::Hovered << "sound sound clicked";
    QTest::newRow("two clicks") << "in press release press release" << State::Hovered
                                << "sound sound clicked sound clicked";
    QTest::newRow("dragging off shows normal") << "in press out" << State::Normal << "sound";
    QTest::newRow("released outside") << "in press out release" << State::Normal << "sound";
    QTest::newRow("dragged off and back") << "in press out in" << State::Pressed << "sound";
    QTest::newRow("dragged off and back, released inside")
        << "in press out in release" << State::Normal << "sound sound clicked";
    QTest::newRow("drag from outside enters") << "out press in in2" << State::Normal << "";
    QTest::newRow("drag from outside ends, then a move")
        << "out press in release in2" << State::Hovered << "sound";
    QTest::newRow("focus lost ends the hover") << "in away" << State::Normal << "sound";
    QTest::newRow("a move after the focus went") << "in away in2" << State::Hovered << "sound sound";
    QTest::newRow("focus lost while pressed") << "in press away release" << State::Normal << "sound";
    QTest::newRow("space held") << "space-down" << State::Pressed << "";
    QTest::newRow("space clicks") << "space-down space-up" << State::Normal << "sound clicked";
    QTest::newRow("space while hovered")
        << "in space-down space-up" << State::Hovered << "sound sound clicked";
    QTest::newRow("a press while space holds it")
        << "space-down in press release space-up" << State::Hovered << "sound sound clicked";
    if (withKeysTheWindowTakes) {
        QTest::newRow("enter does nothing") << "enter" << State::Normal << "";
        QTest::newRow("enter while hovered") << "in enter" << State::Hovered << "sound";
    }
}

inline QString joined(const QStringList& effects) {
    return effects.join(QLatin1Char(' '));
}

} // namespace scenarios
