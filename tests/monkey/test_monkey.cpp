// A seeded monkey: 10,000 random mouse moves, presses, releases and key presses on the real widgets of
// both windows, which it also closes (Esc, the close box) and opens again (the start button, or the
// shell for the start window). After every step the invariants hold; every time the last window
// closes the message loop ends with 0, and the monkey starts the program again until its events are
// spent. QV_MONKEY_SEED replays a run; the seed is printed either way.
#include "options_cycle.h"

#include "forms/options_window.h"
#include "forms/rules.h"
#include "forms/start_window.h"
#include "toolkit/qt/images.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <random>
#include <vector>

namespace {

constexpr int MonkeyEvents = 10000;
constexpr std::uint32_t DefaultSeed = 20261211;

using toolkit::qt::Window;

std::uint32_t monkeySeed() {
    bool ok = false;
    const std::uint32_t seed = qEnvironmentVariable("QV_MONKEY_SEED").toUInt(&ok);
    return ok ? seed : DefaultSeed;
}

// In the order of their window identifiers: the application lists its widgets in the order of their
// addresses, which differ from run to run, and the same seed must pick the same window.
std::vector<Window*> openWindows() {
    std::vector<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window != nullptr && window->isVisible())
            windows.push_back(window);
    }
    std::sort(windows.begin(), windows.end(),
              [](const Window* a, const Window* b) { return a->description().id < b->description().id; });
    return windows;
}

// A window-modal box blocks its owner only, an application-modal one every window: the platform then
// drops a close from the window manager, as it drops input.
bool blockedByModal(const Window& window) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr)
        return false;
    if (modal->windowModality() == Qt::ApplicationModal)
        return true;
    return modal->parentWidget() != nullptr && modal->parentWidget()->window() == &window;
}

struct KeyChoice {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    int weight = 0;
};

const std::array<KeyChoice, 10> Keys = {{
    {Qt::Key_Tab, Qt::NoModifier, 15},
    {Qt::Key_Tab, Qt::ShiftModifier, 10},
    {Qt::Key_Left, Qt::NoModifier, 5},
    {Qt::Key_Right, Qt::NoModifier, 5},
    {Qt::Key_Up, Qt::NoModifier, 5},
    {Qt::Key_Down, Qt::NoModifier, 5},
    {Qt::Key_Space, Qt::NoModifier, 15},
    {Qt::Key_Return, Qt::NoModifier, 10},
    {Qt::Key_Escape, Qt::NoModifier, 4},
    {Qt::Key_A, Qt::NoModifier, 26}, // stands for any letter, picked below
}};

class Monkey {
public:
    explicit Monkey(std::uint32_t seed) : m_random(seed) {}

    // One random step of input, or an opening or closing; false once the events are spent.
    bool step();
    // Answers a modal notice or a popup menu with real input, as a user would; true if there was one.
    bool answerModal();
    // Closes every window the program has open, so that its loop ends.
    void closeEverything();

    // Empty while the invariants hold, else what broke.
    QString brokenInvariant() const;

    int events() const { return m_events; }
    int steps() const { return m_steps; }
    int reopenedStart() const { return m_reopenedStart; }
    int closedByBox() const { return m_closedByBox; }
    int answeredModals() const { return m_answeredModals; }

private:
    int uniform(int below) { return std::uniform_int_distribution<int>(0, below - 1)(m_random); }
    bool chance(int percent) { return uniform(100) < percent; }
    Window* anyOpenWindow();
    void moveSomewhere(Window& window);
    void pressOrRelease(Window& window, bool press);
    void pressKey();
    void closeBox(Window& window);

    std::mt19937 m_random;
    int m_events = 0;
    int m_steps = 0;
    int m_reopenedStart = 0;
    int m_closedByBox = 0;
    int m_answeredModals = 0;
    QPointer<Window> m_pointerWindow;
    QPoint m_pointer;
    Qt::MouseButtons m_held;
};

Window* Monkey::anyOpenWindow() {
    const std::vector<Window*> windows = openWindows();
    return windows.empty() ? nullptr
                           : windows[static_cast<std::size_t>(uniform(static_cast<int>(windows.size())))];
}

// Half the time onto the middle of a control, so that buttons, boxes and edits are hit often.
void Monkey::moveSomewhere(Window& window) {
    const std::size_t units = window.description().units.size();
    if (chance(50) && units > 1) {
        QWidget* control = window.control(static_cast<std::size_t>(1 + uniform(static_cast<int>(units - 1))));
        m_pointer = control->mapTo(&window, control->rect().center());
    } else {
        m_pointer = QPoint(uniform(window.width()), uniform(window.height()));
    }
    m_pointerWindow = &window;
    QTest::mouseMove(&window, m_pointer);
}

void Monkey::pressOrRelease(Window& window, bool press) {
    if (m_pointerWindow != &window)
        moveSomewhere(window);
    const Qt::MouseButton button = chance(85) ? Qt::LeftButton : Qt::RightButton;
    if (press) {
        m_held |= button;
        QTest::mousePress(&window, button, {}, m_pointer);
    } else {
        m_held &= ~button;
        QTest::mouseRelease(&window, button, {}, m_pointer);
    }
}

void Monkey::pressKey() {
    int total = 0;
    for (const KeyChoice& choice : Keys)
        total += choice.weight;
    int pick = uniform(total);
    KeyChoice chosen;
    for (const KeyChoice& choice : Keys) {
        if (pick < choice.weight) {
            chosen = choice;
            break;
        }
        pick -= choice.weight;
    }
    if (chosen.key == Qt::Key_A)
        chosen.key = static_cast<Qt::Key>(Qt::Key_A + uniform(26));
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    if (target == nullptr)
        target = anyOpenWindow();
    if (target != nullptr)
        QTest::keyClick(target, chosen.key, chosen.modifiers);
}

void Monkey::closeBox(Window& window) {
    if (blockedByModal(window))
        return;
    ++m_closedByBox;
    window.close();
}

bool Monkey::step() {
    if (m_events >= MonkeyEvents)
        return false;
    ++m_steps;
    Window* window = anyOpenWindow();
    if (window == nullptr)
        return true;
    // The options window keeps the program running; the start window then comes back only through
    // the shell, as its own button is gone with it.
    if (!app::Shell::current()->isOpen(forms::StartWindowRef.window) && chance(3)) {
        ++m_reopenedStart;
        app::LoadWindow(forms::StartWindowRef);
        return true;
    }
    if (chance(1)) {
        closeBox(*window);
        return true;
    }
    const int action = uniform(100);
    ++m_events;
    if (action < 35)
        moveSomewhere(*window);
    else if (action < 50)
        pressOrRelease(*window, true);
    else if (action < 65)
        pressOrRelease(*window, false);
    else
        pressKey();
    return true;
}

bool Monkey::answerModal() {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        ++m_answeredModals;
        ++m_events;
        if (chance(50)) {
            QTest::keyClick(menu, Qt::Key_Escape);
        } else {
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
        }
        return true;
    }
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible())
        return false;
    ++m_answeredModals;
    ++m_events;
    switch (uniform(3)) {
    case 0: QTest::keyClick(box, Qt::Key_Return); break;
    case 1: QTest::keyClick(box, Qt::Key_Escape); break;
    default:
        if (QAbstractButton* ok = box->button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
        break;
    }
    return true;
}

void Monkey::closeEverything() {
    for (Window* window : openWindows())
        window->close();
}

QString Monkey::brokenInvariant() const {
    const std::vector<Window*> windows = openWindows();
    int optionsWindows = 0;
    for (Window* window : windows) {
        if (window->description().id != forms::OptionsWindowRef.window)
            continue;
        ++optionsWindows;
        int checked = 0;
        for (std::size_t unit = 1; unit < window->description().units.size(); ++unit) {
            if (window->unit(unit).kind == forms::Kind::RadioBox)
                checked += static_cast<QAbstractButton*>(window->control(unit))->isChecked();
        }
        if (checked > 1)
            return QStringLiteral("%1 radio buttons of the set are checked").arg(checked);
    }
    if (optionsWindows > 1)
        return QStringLiteral("%1 options windows are open").arg(optionsWindows);

    auto* active = qobject_cast<Window*>(QApplication::activeWindow());
    if (active == nullptr)
        return {};
    QWidget* focus = QApplication::focusWidget();
    const std::optional<std::size_t> unit = focus != nullptr ? active->unitOf(focus) : std::nullopt;
    if (!unit || *unit == 0 || !forms::isFocusCandidate(active->unit(*unit)))
        return QStringLiteral("the focus is on %1, not on a focus candidate of the active window")
            .arg(focus != nullptr ? QString::fromLatin1(focus->metaObject()->className())
                                  : QStringLiteral("nothing"));
    return {};
}

} // namespace

class MonkeyTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void randomInputNeverBreaksTheProgram();
};

void MonkeyTest::initTestCase() {
    hidePlatformLimitations();
}

void MonkeyTest::randomInputNeverBreaksTheProgram() {
    const std::uint32_t seed = monkeySeed();
    qInfo("monkey seed %u (replay with QV_MONKEY_SEED=%u)", seed, seed);
    Monkey monkey(seed);
    QString broken;
    bool stuck = false;
    int runs = 0;

    // Steps come from one timer; a modal box or popup runs a loop of its own inside the step that
    // opened it, where only the second timer still fires and answers it.
    QTimer stepper;
    QObject::connect(&stepper, &QTimer::timeout, [&] {
        if (!broken.isEmpty())
            return;
        const bool more = monkey.step();
        QCoreApplication::processEvents();
        broken = monkey.brokenInvariant();
        if (!broken.isEmpty())
            broken = QStringLiteral("after step %1 (event %2): %3")
                         .arg(monkey.steps())
                         .arg(monkey.events())
                         .arg(broken);
        if (!more || !broken.isEmpty())
            monkey.closeEverything();
    });
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] { monkey.answerModal(); });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        stuck = true;
        monkey.answerModal();
        monkey.closeEverything();
    });

    while (monkey.events() < MonkeyEvents && broken.isEmpty() && !stuck) {
        auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
        // The click sound has tests of its own; without it the run depends on nothing but the seed.
        backend->setSoundPlayer(nullptr);
        app::Shell shell(std::move(backend), app::programWindows());
        stepper.start(0);
        answerer.start(1);
        watchdog.start(60000);
        const int code = shell.run();
        stepper.stop();
        answerer.stop();
        ++runs;
        QVERIFY2(!stuck, qPrintable(QStringLiteral("the program stopped taking input (seed %1)").arg(seed)));
        QVERIFY2(broken.isEmpty(), qPrintable(QStringLiteral("seed %1, %2").arg(seed).arg(broken)));
        QCOMPARE(code, 0);
        QCOMPARE(shell.state(), app::Shell::State::Ended);
        QVERIFY(openWindows().empty());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(toolkit::qt::livePictures(), 0);
    qInfo(
        "%d events in %d steps over %d runs of the program; the start window reloaded by the shell %d times, "
        "%d closes by the close box, %d notices and menus answered",
        monkey.events(), monkey.steps(), runs, monkey.reopenedStart(), monkey.closedByBox(),
        monkey.answeredModals());
}

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
