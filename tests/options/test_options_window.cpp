// The options window as the shell builds it, with real widgets on the offscreen platform: its frame and
// place, where every control lies and how it is stacked and drawn, the focus cycle, the radio set, the
// check boxes, the window's keys, the edit boxes, the login notice and the start button that opens it.
#include "app/shell.h"
#include "forms/options_window.h"
#include "forms/start_window.h"
#include "test_windows.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/window.h"
#include "window_frame.h"

using qv_test::grabbed;
using qv_test::liveWindows;
using qv_test::openMessageBox;

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <array>
#include <limits>
#include <utility>

namespace {

constexpr forms::WindowId StartWindowId = 0x52010001;
constexpr forms::WindowId OptionsWindowId = 0x52010008;
constexpr std::size_t StartButtonUnit = 2;
const QSize OuterSize(406, 420);

const QStringList TabCycle{"按钮2",   "编辑框1", "选择框1", "选择框2", "单选框5",
                           "单选框6", "选择框3", "选择框4", "选择框5", "编辑框2",
                           "单选框1", "单选框2", "单选框3", "单选框4", "选择框6"};
const QStringList Radios{"单选框1", "单选框2", "单选框3", "单选框4", "单选框5", "单选框6"};
const QStringList CheckBoxes{"选择框1", "选择框2", "选择框3", "选择框4", "选择框5", "选择框6"};

const QString NoticeText =
    QString::fromUtf8("本程序不连接任何服务，不登录任何账号，也不会改变任何直播或作品的人气、"
                      "粉丝、评论等数据。\n您在此填写的内容不会被读取，也不会被发送到任何地方。");

struct Place {
    const char* name;
    const char* className;
    const char* parent; // empty: the window
    QPoint inParent;
    QSize size;
    QPoint inWindow;
    const char* text;
};

const Place Places[] = {
    {"选择框6", "toolkit::qt::CheckBox", "分组框4", {10, 11}, {96, 24}, {32, 94}, "单作品链接"},
    {"单选框4", "toolkit::qt::RadioBox", "分组框1", {33, 78}, {80, 24}, {55, 204}, " 1 0 0 人"},
    {"单选框3", "toolkit::qt::RadioBox", "分组框1", {33, 134}, {80, 24}, {55, 260}, " 5 0 0 人"},
    {"单选框2", "toolkit::qt::RadioBox", "分组框1", {33, 106}, {80, 24}, {55, 232}, " 2 0 0 人"},
    {"单选框1", "toolkit::qt::RadioBox", "分组框1", {33, 50}, {80, 24}, {55, 176}, " 5 0 人"},
    {"编辑框2", "toolkit::qt::EditBox", "", {136, 96}, {232, 20}, {136, 96}, ""},
    {"选择框5", "toolkit::qt::CheckBox", "分组框3", {31, 145}, {80, 24}, {245, 271}, " + 评论"},
    {"选择框4", "toolkit::qt::CheckBox", "分组框3", {31, 104}, {80, 24}, {245, 230}, " + 粉丝"},
    {"选择框3", "toolkit::qt::CheckBox", "分组框3", {31, 70}, {80, 24}, {245, 196}, " + 双击"},
    {"标签5",
     "toolkit::qt::Label",
     "分组框2",
     {64, 40},
     {256, 24},
     {86, 48},
     "输入快手ID号码.以下操作为所有作品"},
    {"单选框6", "toolkit::qt::RadioBox", "分组框1", {33, 191}, {129, 24}, {55, 317}, " 2 0 0 0 人"},
    {"单选框5", "toolkit::qt::RadioBox", "分组框1", {33, 163}, {119, 24}, {55, 289}, " 1 0 0 0 人"},
    {"选择框2", "toolkit::qt::CheckBox", "", {239, 155}, {80, 24}, {239, 155}, "所有作品"},
    {"选择框1", "toolkit::qt::CheckBox", "", {32, 136}, {136, 24}, {32, 136}, "直播人气.挂机人数"},
    {"标签3", "toolkit::qt::Label", "", {43, 25}, {63, 24}, {43, 25}, "快手ID号码"},
    {"编辑框1", "toolkit::qt::EditBox", "", {112, 25}, {104, 20}, {112, 25}, ""},
    {"按钮2", "toolkit::qt::Button", "", {236, 328}, {108, 32}, {236, 328}, "点击登录"},
    {"分组框1", "toolkit::qt::GroupBox", "", {22, 126}, {171, 248}, {22, 126}, ""},
    {"分组框2", "toolkit::qt::GroupBox", "", {22, 8}, {360, 72}, {22, 8}, ""},
    {"分组框3", "toolkit::qt::GroupBox", "", {214, 126}, {168, 184}, {214, 126}, ""},
    {"分组框4", "toolkit::qt::GroupBox", "", {22, 83}, {360, 40}, {22, 83}, ""},
};

// What the handlers of the test's recording copy of the description heard, by unit name.
QStringList s_clicked;
int s_created = 0;

template <std::size_t Index> void recordClick() {
    s_clicked.append(QString::fromStdString(forms::OptionsWindow.units[Index].name));
}
template <std::size_t... I>
std::array<forms::Handler0, sizeof...(I)> clickRecorders(std::index_sequence<I...>) {
    return {&recordClick<I>...};
}
void recordCreated() {
    ++s_created;
}

constexpr std::size_t UnitCount = 22;

// The program's description with every clicked event of the form recorded instead of handled.
forms::WindowDescription recordingCopy() {
    forms::WindowDescription copy = forms::OptionsWindow;
    const auto recorders = clickRecorders(std::make_index_sequence<UnitCount>{});
    for (std::size_t i = 1; i < copy.units.size() && i < UnitCount; ++i) {
        const forms::Kind kind = copy.units[i].kind;
        if (kind == forms::Kind::Button || kind == forms::Kind::CheckBox || kind == forms::Kind::RadioBox)
            copy.units[i].bindings = {{forms::event::Clicked, recorders[i]}};
    }
    copy.units[0].bindings = {{forms::event::Created, recordCreated}};
    return copy;
}

// A message box that was open, as it looked.
struct Notice {
    QString title;
    QString text;
    QWidget* parent = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    qsizetype buttonCount = 0;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};
QList<Notice> s_notices;
QStringList s_menuItems;

// Records and closes any message box or popup menu that opens, so that a test sees what was shown
// and a fault that opens one cannot hang the test inside its modal loop.
void recordAndCloseModals() {
    if (QMessageBox* box = openMessageBox()) {
        s_notices.append({box->windowTitle(), box->text(), box->parentWidget(), box->windowModality(),
                          box->buttons().size(), box->standardButtons(), box->icon()});
        box->done(QMessageBox::Ok);
    }
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        for (const QAction* action : menu->actions())
            s_menuItems.append(action->isSeparator()
                                   ? QString("-")
                                   : action->text() + (action->isEnabled() ? "" : " (off)"));
        menu->close();
    }
}

QSize expectedClientSize() {
    return qv_test::expectedClientSize(OuterSize);
}

// Where the caret is drawn, in the edit box's own coordinates. The edit box scrolls its view as it
// paints, so it is painted first.
QRect caretRect(QLineEdit* edit) {
    edit->grab();
    return edit->inputMethodQuery(Qt::ImCursorRectangle).toRect();
}

bool isDark(QRgb c) {
    return qGray(c) < 100;
}

// The bounding box of the dark (text) pixels of an image inside `area`.
QRect darkPixels(const QImage& image, const QRect& area) {
    QRect box;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isDark(image.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

int countDark(const QImage& image, const QRect& area) {
    int n = 0;
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += isDark(image.pixel(x, y)) ? 1 : 0;
    return n;
}

QRgb buttonFace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button).rgb();
}

// Everything the user can change in the form, and where the focus is.
struct FormState {
    QStringList edits;
    QList<bool> checks;
    QWidget* focus = nullptr;
    bool operator==(const FormState&) const = default;

    QString describe() const {
        QStringList marks;
        for (bool c : checks)
            marks << (c ? "x" : ".");
        return edits.join('|') + " checks " + marks.join("") + " focus " +
               (focus ? focus->metaObject()->className() : "none");
    }
};

FormState stateOf(const toolkit::qt::Window* window) {
    FormState state;
    for (std::size_t i = 1; i < window->description().units.size(); ++i) {
        QWidget* widget = window->control(i);
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            state.edits << QString("%1@%2/%3")
                               .arg(edit->text())
                               .arg(edit->cursorPosition())
                               .arg(edit->selectedText());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            state.checks << button->isChecked();
    }
    state.focus = QApplication::focusWidget();
    return state;
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr)
        target = QApplication::activeWindow();
    QTest::keyClick(target, key, modifiers);
}

QStringList checkedRadios(const toolkit::qt::Window* window) {
    QStringList checked;
    for (const QString& name : Radios)
        if (qobject_cast<QAbstractButton*>(window->control(name.toStdString()))->isChecked())
            checked << name;
    return checked;
}

QStringList checkedBoxes(const toolkit::qt::Window* window) {
    QStringList checked;
    for (const QString& name : CheckBoxes)
        if (qobject_cast<QAbstractButton*>(window->control(name.toStdString()))->isChecked())
            checked << name;
    return checked;
}

} // namespace

class OptionsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowIsFixedSizeCentredAndFramed();
    void windowHasTitleIconAndItsOwnPlace();
    void controlsLieWhereStored_data();
    void controlsLieWhereStored();
    void controlsAreStackedInListOrder_data();
    void controlsAreStackedInListOrder();
    void overlappingControlsAreDrawnOverTheGroupBoxes_data();
    void overlappingControlsAreDrawnOverTheGroupBoxes();
    void groupBoxesAreEtchedFramesFilledWithTheButtonFace_data();
    void groupBoxesAreEtchedFramesFilledWithTheButtonFace();
    void checkMarksLieLeftOfCentredText_data();
    void checkMarksLieLeftOfCentredText();
    void labelsAreOneCentredLine_data();
    void labelsAreOneCentredLine();
    void loginButtonIsBoldTwentyPixelsAndNoDefaultButton();

    void focusStartsOnTheLoginButton();
    void tabMovesThroughTheFocusOrder_data();
    void tabMovesThroughTheFocusOrder();
    void wholeCycleIgnoresQtsFocusChain();
    void arrowsMoveThroughTheRadioSet_data();
    void arrowsMoveThroughTheRadioSet();
    void arrowsOnOtherControlsMoveNothing_data();
    void arrowsOnOtherControlsMoveNothing();
    void mouseChecksOneOfSix_data();
    void mouseChecksOneOfSix();
    void checkBoxesToggleOnTheirOwn_data();
    void checkBoxesToggleOnTheirOwn();
    void escClosesFromEveryControl_data();
    void escClosesFromEveryControl();
    void enterChangesNothing_data();
    void enterChangesNothing();
    void altWithLetterOrDigitSelectsNothing_data();
    void altWithLetterOrDigitSelectsNothing();
    void reopeningShowsTheStoredEmptyForm();
    void handlersThatDoNothingChangeNothing();

    void editBoxesStartEmptyBlackOnWhite();
    void editBoxesTakeTextOfAnyLengthAndScroll();
    void tabIntoAnEditBoxSelectsNothing();
    void selectionIsHiddenWhileUnfocused();
    void upAndDownMoveTheCaretSideways();
    void editBoxMenuIsInChinese();

    void loginButtonShowsTheNotice_data();
    void loginButtonShowsTheNotice();
    void startButtonTwiceLeavesOneOptionsWindow();
    void startButtonRestoresAMinimizedOptionsWindow();
    void closingTheStartWindowKeepsTheOptionsWindow();

private:
    // A shell with the start window open and active, then the options window opened as the start
    // button opens it and waited for until it is active with its frame settled.
    toolkit::qt::Window* open(const forms::WindowDescription* options = &forms::OptionsWindow);
    toolkit::qt::Window* load();
    QWidget* control(const QString& name) const { return m_window->control(name.toStdString()); }
    QAbstractButton* button(const QString& name) const {
        return qobject_cast<QAbstractButton*>(control(name));
    }
    QLineEdit* edit(const QString& name) const { return qobject_cast<QLineEdit*>(control(name)); }
    bool focusOn(const QString& name) const;
    void clickStartButton() const;
    void fillIn();

    std::unique_ptr<app::Shell> m_shell;
    toolkit::qt::QtBackend* m_backend = nullptr;
    toolkit::qt::Window* m_window = nullptr;
    forms::WindowDescription m_recording;
    QTimer m_watcher;
};

void OptionsWindowTest::initTestCase() {
    connect(&m_watcher, &QTimer::timeout, this, recordAndCloseModals);
}

void OptionsWindowTest::init() {
    s_clicked.clear();
    s_created = 0;
    s_notices.clear();
    s_menuItems.clear();
    m_recording = recordingCopy();
    QVERIFY(m_recording.units.size() == UnitCount);
    m_watcher.start(5);
}

void OptionsWindowTest::cleanup() {
    m_watcher.stop();
    m_window = nullptr;
    m_shell.reset();
    m_backend = nullptr;
    // The last window's destruction posts a quit request; take it here so that it cannot end a later loop.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QApplication::exec();
    QVERIFY(liveWindows().isEmpty());
}

toolkit::qt::Window* OptionsWindowTest::open(const forms::WindowDescription* options) {
    auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
    m_backend = backend.get();
    m_shell = std::make_unique<app::Shell>(
        std::move(backend), std::vector<const forms::WindowDescription*>{&forms::StartWindow, options});
    if (!m_shell->initToolkit() || !m_shell->loadStartWindow(StartWindowId))
        return nullptr;
    if (!QTest::qWaitForWindowActive(m_backend->window(StartWindowId)))
        return nullptr;
    return load();
}

toolkit::qt::Window* OptionsWindowTest::load() {
    if (!app::LoadWindow(forms::OptionsWindowRef))
        return nullptr;
    m_window = m_backend->window(OptionsWindowId);
    if (m_window == nullptr || !QTest::qWaitForWindowActive(m_window))
        return nullptr;
    if (!QTest::qWaitFor([&] { return m_window->size() == expectedClientSize(); }))
        qWarning() << "client size" << m_window->size() << "expected" << expectedClientSize();
    return m_window;
}

bool OptionsWindowTest::focusOn(const QString& name) const {
    QWidget* widget = control(name);
    widget->setFocus(Qt::OtherFocusReason);
    return QApplication::focusWidget() == widget;
}

void OptionsWindowTest::clickStartButton() const {
    toolkit::qt::Window* start = m_backend->window(StartWindowId);
    QWidget* startButton = start->control(StartButtonUnit);
    QTest::mouseClick(startButton, Qt::LeftButton, {}, startButton->rect().center());
}

// Some of everything typed, checked and chosen, by the user's own means.
void OptionsWindowTest::fillIn() {
    QTest::keyClicks(edit("编辑框1"), "12345");
    QTest::keyClicks(edit("编辑框2"), "https://example.invalid/post");
    QTest::mouseClick(button("选择框1"), Qt::LeftButton);
    QTest::mouseClick(button("选择框4"), Qt::LeftButton);
    QTest::mouseClick(button("单选框2"), Qt::LeftButton);
}

void OptionsWindowTest::windowIsFixedSizeCentredAndFramed() {
    QVERIFY(open());
    qv_test::verifyFixedCentredTopLevel(*m_window, OuterSize);
    if (QTest::currentTestFailed())
        return;

    // Asked by the platform or by code, the window neither maximizes nor goes full screen.
    const QSize client = expectedClientSize();
    const QPoint place = m_window->geometry().topLeft();
    m_window->showMaximized();
    QTest::qWait(50);
    QCOMPARE(m_window->size(), client);
    QVERIFY(!m_window->isMaximized());
    m_window->showFullScreen();
    QTest::qWait(50);
    QCOMPARE(m_window->size(), client);
    QCOMPARE(m_window->geometry().topLeft(), place);
}

void OptionsWindowTest::windowHasTitleIconAndItsOwnPlace() {
    QVERIFY(open());
    QCOMPARE(m_window->windowTitle(), QString("Quorvane"));
    QVERIFY(m_window->windowIcon().availableSizes().contains(QSize(32, 32)));
    QVERIFY(m_window->isWindow());
    QVERIFY(m_window->parentWidget() == nullptr);
    QCOMPARE(m_window->windowModality(), Qt::NonModal);
    QVERIFY(m_window->isActiveWindow());
    // The start window stays open and usable beside it.
    toolkit::qt::Window* start = m_backend->window(StartWindowId);
    QVERIFY(start && start->isVisible() && start->isEnabled());
    QCOMPARE(liveWindows().size(), 2);
    // Nothing paints a picture: the client area is the button face where no control lies.
    const QImage shown = grabbed(m_window);
    QCOMPARE(shown.pixel(3, 3), buttonFace());
    QCOMPARE(shown.pixel(shown.width() - 4, shown.height() - 4), buttonFace());
}

void OptionsWindowTest::controlsLieWhereStored_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(Places)); ++i)
        QTest::newRow(Places[i].name) << i;
}

void OptionsWindowTest::controlsLieWhereStored() {
    QFETCH(int, row);
    const Place& place = Places[row];
    QVERIFY(open());
    QWidget* widget = control(QString::fromUtf8(place.name));
    QVERIFY(widget);
    QCOMPARE(QByteArray(widget->metaObject()->className()), QByteArray(place.className));
    QWidget* parent = *place.parent ? control(QString::fromUtf8(place.parent)) : m_window;
    QCOMPARE(widget->parentWidget(), parent);
    QCOMPARE(widget->pos(), place.inParent);
    QCOMPARE(widget->mapTo(m_window, QPoint(0, 0)), place.inWindow);
    QVERIFY(widget->isVisible());
    QVERIFY(widget->isEnabled());

    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        // One line of the font and the sunken edge above and below, never below the stored height.
        const int needed = QFontMetrics(line->font()).height() + 4;
        QCOMPARE(widget->width(), place.size.width());
        QCOMPARE(widget->height(), std::max(place.size.height(), needed));
        QVERIFY(widget->height() >= 20);
        QCOMPARE(line->text(), QString());
    } else {
        QCOMPARE(widget->size(), place.size);
    }
    if (auto* b = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(b->text(), QString::fromUtf8(place.text));
        QVERIFY(!b->isChecked());
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        QCOMPARE(label->text(), QString::fromUtf8(place.text));
    }
    const bool focusable = TabCycle.contains(QString::fromUtf8(place.name));
    QCOMPARE(widget->focusPolicy(), focusable ? Qt::StrongFocus : Qt::NoFocus);
    if (QString::fromUtf8(place.name) != "按钮2") {
        QCOMPARE(widget->font().family(), QApplication::font().family());
        QCOMPARE(widget->font().pixelSize(), QApplication::font().pixelSize());
    }
}

void OptionsWindowTest::controlsAreStackedInListOrder_data() {
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("topToBottom");
    QTest::newRow("window") << QString()
                            << QStringList{"编辑框2", "选择框2", "选择框1", "标签3",   "编辑框1",
                                           "按钮2",   "分组框1", "分组框2", "分组框3", "分组框4"};
    QTest::newRow("分组框1") << "分组框1"
                             << QStringList{"单选框4", "单选框3", "单选框2", "单选框1", "单选框6", "单选框5"};
    QTest::newRow("分组框2") << "分组框2" << QStringList{"标签5"};
    QTest::newRow("分组框3") << "分组框3" << QStringList{"选择框5", "选择框4", "选择框3"};
    QTest::newRow("分组框4") << "分组框4" << QStringList{"选择框6"};
}

void OptionsWindowTest::controlsAreStackedInListOrder() {
    QFETCH(QString, container);
    QFETCH(QStringList, topToBottom);
    QVERIFY(open());
    QWidget* parent = container.isEmpty() ? m_window : control(container);
    // Qt keeps a widget's children in stacking order, the last on top.
    QStringList stack;
    for (QObject* child : parent->children())
        if (auto* widget = qobject_cast<QWidget*>(child))
            if (const auto unit = m_window->unitOf(widget))
                stack.prepend(QString::fromStdString(m_window->unit(*unit).name));
    QCOMPARE(stack, topToBottom);
    // A point of each control's rectangle finds the control, not a sibling that lies below it.
    for (const QString& name : topToBottom) {
        QWidget* widget = control(name);
        QWidget* hit = parent->childAt(widget->geometry().topLeft() + QPoint(3, 3));
        while (hit != nullptr && hit->parentWidget() != parent)
            hit = hit->parentWidget();
        QCOMPARE(hit, widget);
    }
}

void OptionsWindowTest::overlappingControlsAreDrawnOverTheGroupBoxes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("groupBox");
    QTest::newRow("选择框1 over 分组框1") << "选择框1"
                                          << "分组框1";
    QTest::newRow("选择框2 over 分组框3") << "选择框2"
                                          << "分组框3";
    QTest::newRow("标签3 over 分组框2") << "标签3"
                                        << "分组框2";
    QTest::newRow("编辑框1 over 分组框2") << "编辑框1"
                                          << "分组框2";
    QTest::newRow("编辑框2 over 分组框4") << "编辑框2"
                                          << "分组框4";
}

void OptionsWindowTest::overlappingControlsAreDrawnOverTheGroupBoxes() {
    QFETCH(QString, name);
    QFETCH(QString, groupBox);
    QVERIFY(open());
    QWidget* widget = control(name);
    const QRect inWindow(widget->mapTo(m_window, QPoint(0, 0)), widget->size());
    const QRect box(control(groupBox)->mapTo(m_window, QPoint(0, 0)), control(groupBox)->size());
    QVERIFY(box.contains(inWindow));
    m_window->activateWindow();
    const QImage shown = grabbed(m_window);
    // The group box fills its whole rectangle; the control shows only if it is drawn over it.
    if (qobject_cast<QLineEdit*>(widget)) {
        const QPoint inside = inWindow.center() + QPoint(inWindow.width() / 4, 0);
        QCOMPARE(shown.pixel(inside), qRgb(255, 255, 255));
        // The sunken edge: dark on the top and left.
        QVERIFY(qGray(shown.pixel(inWindow.left() + 1, inWindow.center().y())) < 160);
        QVERIFY(qGray(shown.pixel(inWindow.center().x(), inWindow.top() + 1)) < 160);
    } else {
        QVERIFY2(countDark(shown, inWindow) > 30, qPrintable(QString::number(countDark(shown, inWindow))));
        // Its own background is filled: the button face at its corners.
        QCOMPARE(shown.pixel(inWindow.topRight()), buttonFace());
    }
    // And the drawing matches what the control paints by itself.
    const QImage alone = grabbed(widget);
    QCOMPARE(shown.copy(inWindow), alone);
}

void OptionsWindowTest::groupBoxesAreEtchedFramesFilledWithTheButtonFace_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"分组框1", "分组框2", "分组框3", "分组框4"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void OptionsWindowTest::groupBoxesAreEtchedFramesFilledWithTheButtonFace() {
    QFETCH(QString, name);
    QVERIFY(open());
    QWidget* box = control(name);
    const QImage shown = grabbed(box);
    const QRgb shadow = box->palette().color(QPalette::Dark).rgb();
    const QRgb light = box->palette().color(QPalette::Light).rgb();
    const int top = QFontMetrics(box->font()).height() / 2 - 1;
    const int midY = (top + shown.height()) / 2;
    const int midX = shown.width() / 2;
    const int w = shown.width();
    const int h = shown.height();
    QVERIFY(top > 0);
    // Above the frame's top line the rectangle is filled, not left to what lies beneath.
    for (int y = 0; y < top; ++y)
        QCOMPARE(shown.pixel(midX, y), buttonFace());
    // Shadow then white on the top and left, white outside shadow on the bottom and right, with no
    // caption interrupting the top line.
    for (int x = 2; x < w - 2; x += 7) {
        QCOMPARE(shown.pixel(x, top), shadow);
        QCOMPARE(shown.pixel(x, top + 1), light);
        QCOMPARE(shown.pixel(x, h - 2), shadow);
        QCOMPARE(shown.pixel(x, h - 1), light);
    }
    QCOMPARE(shown.pixel(0, midY), shadow);
    QCOMPARE(shown.pixel(1, midY), light);
    QCOMPARE(shown.pixel(w - 2, midY), shadow);
    QCOMPARE(shown.pixel(w - 1, midY), light);
    QCOMPARE(shown.pixel(3, h - 4), buttonFace());
}

void OptionsWindowTest::checkMarksLieLeftOfCentredText_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : CheckBoxes + Radios)
        QTest::newRow(qPrintable(name)) << name;
}

void OptionsWindowTest::checkMarksLieLeftOfCentredText() {
    QFETCH(QString, name);
    QVERIFY(open());
    QWidget* widget = control(name);
    const QImage shown = grabbed(widget);
    const QRgb face = buttonFace();
    // The mark: something other than the face in the first 13 columns, centred on the middle line.
    QRect mark;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < 14; ++x)
            if (shown.pixel(x, y) != face)
                mark |= QRect(x, y, 1, 1);
    QVERIFY(!mark.isEmpty());
    QVERIFY2(mark.left() <= 2, qPrintable(QString::number(mark.left())));
    QVERIFY2(std::abs(mark.center().y() - shown.height() / 2) <= 2,
             qPrintable(QString::number(mark.center().y())));
    // The text: dark pixels to the right of the mark, vertically centred, on one line.
    const QRect text = darkPixels(shown, QRect(mark.right() + 2, 0, shown.width(), shown.height()));
    QVERIFY(!text.isEmpty());
    QVERIFY(text.left() > mark.right());
    QVERIFY2(std::abs(text.center().y() - shown.height() / 2) <= 2,
             qPrintable(QString::number(text.center().y())));
    QVERIFY(text.height() <= QFontMetrics(widget->font()).height());
    // Nothing beyond the text is drawn: the rest of the control is its own filled background.
    QCOMPARE(shown.pixel(shown.width() - 1, 0), face);
    QCOMPARE(shown.pixel(shown.width() - 1, shown.height() - 1), face);
}

void OptionsWindowTest::labelsAreOneCentredLine_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("标签3") << "标签3";
    QTest::newRow("标签5") << "标签5";
}

void OptionsWindowTest::labelsAreOneCentredLine() {
    QFETCH(QString, name);
    QVERIFY(open());
    QWidget* widget = control(name);
    const QImage shown = grabbed(widget);
    const QRect text = darkPixels(shown, shown.rect());
    QVERIFY(!text.isEmpty());
    QVERIFY2(text.left() <= 3, qPrintable(QString::number(text.left())));
    QVERIFY(text.height() <= QFontMetrics(widget->font()).height());
    QVERIFY2(std::abs(text.center().y() - shown.height() / 2) <= 2,
             qPrintable(QString::number(text.center().y())));
    QCOMPARE(shown.pixel(shown.width() - 1, 0), buttonFace());
    QCOMPARE(shown.pixel(0, shown.height() - 1), buttonFace());
}

void OptionsWindowTest::loginButtonIsBoldTwentyPixelsAndNoDefaultButton() {
    QVERIFY(open());
    auto* login = qobject_cast<QPushButton*>(control("按钮2"));
    QVERIFY(login);
    QCOMPARE(login->font().pixelSize(), 20);
    QVERIFY(login->font().bold());
    QVERIFY(!login->isDefault());
    QVERIFY(!login->autoDefault());
    QVERIFY(!login->isCheckable());
    const QImage shown = grabbed(login);
    const QRect text = darkPixels(shown, shown.rect().adjusted(4, 4, -4, -4));
    // Four bold 20-px characters, centred both ways.
    QVERIFY2(text.width() > 60 && text.height() >= 14 && text.height() <= 22,
             qPrintable(QString("%1x%2").arg(text.width()).arg(text.height())));
    QVERIFY2(std::abs(text.center().x() - shown.width() / 2) <= 2,
             qPrintable(QString::number(text.center().x())));
    QVERIFY2(std::abs(text.center().y() - shown.height() / 2) <= 2,
             qPrintable(QString::number(text.center().y())));
}

void OptionsWindowTest::focusStartsOnTheLoginButton() {
    QVERIFY(open());
    QCOMPARE(QApplication::focusWidget(), control("按钮2"));
    QCOMPARE(m_window->focusedUnit(), m_window->description().indexOf(std::string_view("按钮2")));
    // Away and back: the window hands the focus on to its focused control again.
    m_backend->window(StartWindowId)->activateWindow();
    QTRY_VERIFY(m_backend->window(StartWindowId)->isActiveWindow());
    m_window->activateWindow();
    QTRY_VERIFY(m_window->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), control("按钮2"));
}

void OptionsWindowTest::tabMovesThroughTheFocusOrder_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("to");
    const auto n = TabCycle.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QString from = TabCycle[i];
        QTest::addRow("Tab from %s", qPrintable(from))
            << from << int(Qt::Key_Tab) << int(Qt::NoModifier) << TabCycle[(i + 1) % n];
        QTest::addRow("Shift+Tab from %s", qPrintable(from))
            << from << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << TabCycle[(i + n - 1) % n];
    }
    // Some platforms report Shift+Tab as Tab with Shift held.
    QTest::newRow("Tab with Shift from 按钮2")
        << "按钮2" << int(Qt::Key_Tab) << int(Qt::ShiftModifier) << "选择框6";
}

void OptionsWindowTest::tabMovesThroughTheFocusOrder() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, to);
    QVERIFY(open(&m_recording));
    QVERIFY(focusOn(from));
    const FormState before = stateOf(m_window);
    pressKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(QApplication::focusWidget(), control(to));
    // Moving the focus checks and changes nothing, not even a radio button.
    FormState after = stateOf(m_window);
    after.focus = before.focus;
    QVERIFY2(after == before, qPrintable(after.describe()));
    QCOMPARE(s_clicked, QStringList());
}

void OptionsWindowTest::wholeCycleIgnoresQtsFocusChain() {
    QVERIFY(open());
    // Qt's own chain runs the other way round; the window must not follow it.
    for (qsizetype i = TabCycle.size() - 1; i > 0; --i)
        QWidget::setTabOrder(control(TabCycle[i]), control(TabCycle[i - 1]));
    QStringList visited{QString::fromStdString(m_window->unit(*m_window->focusedUnit()).name)};
    for (qsizetype i = 0; i < TabCycle.size(); ++i) {
        pressKey(Qt::Key_Tab);
        visited << QString::fromStdString(m_window->unit(*m_window->focusedUnit()).name);
    }
    QCOMPARE(visited, TabCycle + QStringList{"按钮2"});
    QStringList back{visited.last()};
    for (qsizetype i = 0; i < TabCycle.size(); ++i) {
        pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
        back << QString::fromStdString(m_window->unit(*m_window->focusedUnit()).name);
    }
    std::reverse(visited.begin(), visited.end());
    QCOMPARE(back, visited);
}

void OptionsWindowTest::arrowsMoveThroughTheRadioSet_data() {
    QTest::addColumn<QString>("checkedFirst"); // clicked before the focus goes to `from`; empty: none
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("Right on 单选框4") << ""
                                      << "单选框4" << int(Qt::Key_Right) << "单选框5";
    QTest::newRow("Left on 单选框5") << ""
                                     << "单选框5" << int(Qt::Key_Left) << "单选框4";
    QTest::newRow("Down on 单选框4 wraps") << ""
                                           << "单选框4" << int(Qt::Key_Down) << "单选框5";
    QTest::newRow("Up on 单选框5 wraps") << ""
                                         << "单选框5" << int(Qt::Key_Up) << "单选框4";
    QTest::newRow("Right on 单选框5") << ""
                                      << "单选框5" << int(Qt::Key_Right) << "单选框6";
    QTest::newRow("Down on 单选框6") << ""
                                     << "单选框6" << int(Qt::Key_Down) << "单选框1";
    QTest::newRow("Left on 单选框1") << ""
                                     << "单选框1" << int(Qt::Key_Left) << "单选框6";
    QTest::newRow("Up on 单选框3") << ""
                                   << "单选框3" << int(Qt::Key_Up) << "单选框2";
    QTest::newRow("Right on 单选框2 unchecks 单选框6") << "单选框6"
                                                       << "单选框2" << int(Qt::Key_Right) << "单选框3";
    QTest::newRow("Left on the checked 单选框1") << "单选框1"
                                                 << "单选框1" << int(Qt::Key_Left) << "单选框6";
}

void OptionsWindowTest::arrowsMoveThroughTheRadioSet() {
    QFETCH(QString, checkedFirst);
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    QVERIFY(open(&m_recording));
    QTest::mouseClick(button("选择框3"), Qt::LeftButton);
    if (!checkedFirst.isEmpty())
        QTest::mouseClick(button(checkedFirst), Qt::LeftButton);
    QVERIFY(focusOn(from));
    s_clicked.clear();
    pressKey(Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), control(to));
    QCOMPARE(checkedRadios(m_window), QStringList{to});
    QCOMPARE(s_clicked, QStringList{to});
    // Check boxes are no part of the set.
    QCOMPARE(checkedBoxes(m_window), QStringList{"选择框3"});
}

void OptionsWindowTest::arrowsOnOtherControlsMoveNothing_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    for (const char* name : {"按钮2", "选择框1", "选择框3", "选择框6"})
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
            QTest::addRow("%s %s", name, qPrintable(QKeySequence(key).toString()))
                << QString::fromUtf8(name) << int(key);
}

void OptionsWindowTest::arrowsOnOtherControlsMoveNothing() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QVERIFY(open(&m_recording));
    QVERIFY(focusOn(focused));
    const FormState before = stateOf(m_window);
    pressKey(Qt::Key(key));
    QVERIFY2(stateOf(m_window) == before, qPrintable(stateOf(m_window).describe()));
    QCOMPARE(s_clicked, QStringList());
}

void OptionsWindowTest::mouseChecksOneOfSix_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QString>("checked");
    QTest::newRow("单选框1 then 单选框6") << QStringList{"单选框1", "单选框6"} << "单选框6";
    QTest::newRow("单选框6 twice stays checked") << QStringList{"单选框6", "单选框6"} << "单选框6";
    QTest::newRow("all six in turn") << Radios << "单选框6";
    QTest::newRow("back to 单选框4") << QStringList{"单选框5", "单选框2", "单选框4"} << "单选框4";
    QTest::newRow("单选框3 three times") << QStringList{"单选框3", "单选框3", "单选框3"} << "单选框3";
}

void OptionsWindowTest::mouseChecksOneOfSix() {
    QFETCH(QStringList, clicks);
    QFETCH(QString, checked);
    QVERIFY(open(&m_recording));
    QCOMPARE(checkedRadios(m_window), QStringList());
    bool onText = true;
    for (const QString& name : clicks) {
        // Alternately on the text and on the empty right end: the whole control answers.
        QWidget* radio = control(name);
        const QPoint at =
            onText ? QPoint(30, radio->height() / 2) : QPoint(radio->width() - 2, radio->height() - 2);
        onText = !onText;
        QTest::mouseClick(radio, Qt::LeftButton, {}, at);
        QCOMPARE(checkedRadios(m_window), QStringList{name});
        QCOMPARE(QApplication::focusWidget(), radio);
    }
    QCOMPARE(checkedRadios(m_window), QStringList{checked});
    QCOMPARE(s_clicked, clicks);
    QCOMPARE(checkedBoxes(m_window), QStringList());
}

void OptionsWindowTest::checkBoxesToggleOnTheirOwn_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : CheckBoxes)
        QTest::newRow(qPrintable(name)) << name;
}

void OptionsWindowTest::checkBoxesToggleOnTheirOwn() {
    QFETCH(QString, name);
    QVERIFY(open(&m_recording));
    QTest::mouseClick(button("单选框5"), Qt::LeftButton);
    s_clicked.clear();
    QAbstractButton* box = button(name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 2, box->height() / 2));
    QCOMPARE(checkedBoxes(m_window), QStringList{name});
    QCOMPARE(QApplication::focusWidget(), box);
    pressKey(Qt::Key_Space);
    QCOMPARE(checkedBoxes(m_window), QStringList());
    pressKey(Qt::Key_Space);
    QCOMPARE(checkedBoxes(m_window), QStringList{name});
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
    QCOMPARE(checkedBoxes(m_window), QStringList());
    QCOMPARE(s_clicked, QStringList(4, name));
    // The radio set and the group boxes' contents are untouched.
    QCOMPARE(checkedRadios(m_window), QStringList{"单选框5"});
}

void OptionsWindowTest::escClosesFromEveryControl_data() {
    QTest::addColumn<QString>("focused");
    for (const char* name : {"按钮2", "编辑框1", "编辑框2", "选择框1", "选择框6", "单选框5", "单选框4"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void OptionsWindowTest::escClosesFromEveryControl() {
    QFETCH(QString, focused);
    QVERIFY(open());
    fillIn();
    QVERIFY(focusOn(focused));
    QPointer<toolkit::qt::Window> window = m_window;
    pressKey(Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
    m_window = nullptr;
    QVERIFY(!m_shell->isOpen(OptionsWindowId));
    QVERIFY(m_backend->window(OptionsWindowId) == nullptr);
    QVERIFY(m_shell->isOpen(StartWindowId));
    QCOMPARE(liveWindows().size(), 1);
    QCOMPARE(s_notices.size(), 0);
}

void OptionsWindowTest::enterChangesNothing_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const QString& name : TabCycle) {
        QTest::addRow("Return on %s", qPrintable(name)) << name << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::addRow("keypad Enter on %s", qPrintable(name))
            << name << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
    }
}

void OptionsWindowTest::enterChangesNothing() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QVERIFY(open(&m_recording));
    fillIn();
    QVERIFY(focusOn(focused));
    s_clicked.clear();
    const FormState before = stateOf(m_window);
    pressKey(Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QTest::qWait(20);
    QVERIFY2(stateOf(m_window) == before, qPrintable(stateOf(m_window).describe()));
    QCOMPARE(s_clicked, QStringList());
    QCOMPARE(s_notices.size(), 0);
    QCOMPARE(m_backend->window(OptionsWindowId), m_window);
    QVERIFY(m_window->isVisible());
}

void OptionsWindowTest::altWithLetterOrDigitSelectsNothing_data() {
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+D on 编辑框1") << "编辑框1" << int(Qt::Key_D);
    QTest::newRow("Alt+I on 按钮2") << "按钮2" << int(Qt::Key_I);
    QTest::newRow("Alt+5 on 单选框4") << "单选框4" << int(Qt::Key_5);
    QTest::newRow("Alt+1 on 选择框1") << "选择框1" << int(Qt::Key_1);
    QTest::newRow("Alt+A on 选择框6") << "选择框6" << int(Qt::Key_A);
}

void OptionsWindowTest::altWithLetterOrDigitSelectsNothing() {
    QFETCH(QString, focused);
    QFETCH(int, key);
    QVERIFY(open(&m_recording));
    fillIn();
    QVERIFY(focusOn(focused));
    s_clicked.clear();
    const FormState before = stateOf(m_window);
    pressKey(Qt::Key(key), Qt::AltModifier);
    QVERIFY2(stateOf(m_window) == before, qPrintable(stateOf(m_window).describe()));
    QCOMPARE(s_clicked, QStringList());
    QCOMPARE(s_notices.size(), 0);
}

void OptionsWindowTest::reopeningShowsTheStoredEmptyForm() {
    QVERIFY(open(&m_recording));
    QCOMPARE(s_created, 1);
    fillIn();
    QVERIFY(!checkedRadios(m_window).isEmpty());
    QPointer<toolkit::qt::Window> first = m_window;
    pressKey(Qt::Key_Escape);
    QTRY_VERIFY(first.isNull());
    QVERIFY(load());
    QCOMPARE(s_created, 2);
    QCOMPARE(edit("编辑框1")->text(), QString());
    QCOMPARE(edit("编辑框2")->text(), QString());
    QCOMPARE(edit("编辑框1")->cursorPosition(), 0);
    QCOMPARE(checkedBoxes(m_window), QStringList());
    QCOMPARE(checkedRadios(m_window), QStringList());
    QCOMPARE(QApplication::focusWidget(), control("按钮2"));
}

// The real handlers: created, the two radio buttons', the two check boxes' and the label's feedback
// do nothing, raised through the window as the controls raise them.
void OptionsWindowTest::handlersThatDoNothingChangeNothing() {
    QVERIFY(open());
    fillIn();
    const FormState before = stateOf(m_window);
    const QImage shown = grabbed(m_window);
    const std::int32_t feedback[] = {3, 4};
    m_window->raiseEvent(0, forms::event::Created);
    for (const char* name : {"单选框3", "单选框6", "选择框2", "选择框1"})
        m_window->raiseEvent(*m_window->description().indexOf(std::string_view(name)), forms::event::Clicked);
    m_window->raiseEvent(*m_window->description().indexOf(std::string_view("标签3")), forms::event::Feedback,
                         feedback);
    QVERIFY2(stateOf(m_window) == before, qPrintable(stateOf(m_window).describe()));
    QCOMPARE(grabbed(m_window), shown);
    QCOMPARE(liveWindows().size(), 2);
    QCOMPARE(s_notices.size(), 0);
}

void OptionsWindowTest::editBoxesStartEmptyBlackOnWhite() {
    QVERIFY(open());
    for (const char* name : {"编辑框1", "编辑框2"}) {
        QLineEdit* line = edit(QString::fromUtf8(name));
        QVERIFY(line);
        QCOMPARE(line->text(), QString());
        QCOMPARE(line->cursorPosition(), 0);
        QVERIFY(!line->hasSelectedText());
        QVERIFY(line->hasFrame());
        QVERIFY(!line->isReadOnly());
        QCOMPARE(line->echoMode(), QLineEdit::Normal);
        QCOMPARE(line->maxLength(), std::numeric_limits<int>::max());
        QVERIFY(line->alignment().testFlag(Qt::AlignLeft));
        QCOMPARE(line->palette().color(QPalette::Text), QColor(Qt::black));
        QCOMPARE(line->palette().color(QPalette::Base), QColor(Qt::white));
    }
}

void OptionsWindowTest::editBoxesTakeTextOfAnyLengthAndScroll() {
    QVERIFY(open());
    QLineEdit* line = edit("编辑框1");
    QGuiApplication::clipboard()->setText(QString(100000, QChar('7')));
    QVERIFY(focusOn("编辑框1"));
    pressKey(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(line->text().size(), 100000);
    QTest::keyClicks(line, "ab");
    QCOMPARE(line->text().size(), 100002);
    QVERIFY(line->text().endsWith("ab"));
    QCOMPARE(line->cursorPosition(), 100002);
    // The view follows the caret sideways: at the end, then back at the start.
    QVERIFY(line->rect().contains(caretRect(line).center()));
    pressKey(Qt::Key_Home);
    QCOMPARE(line->cursorPosition(), 0);
    QVERIFY(caretRect(line).left() < 8);

    QLineEdit* other = edit("编辑框2");
    QVERIFY(focusOn("编辑框2"));
    QTest::keyClicks(other, QString(300, QChar('W')));
    QCOMPARE(other->text().size(), 300);
    QVERIFY(other->rect().contains(caretRect(other).center()));
}

void OptionsWindowTest::tabIntoAnEditBoxSelectsNothing() {
    QVERIFY(open());
    QLineEdit* line = edit("编辑框1");
    QVERIFY(focusOn("编辑框1"));
    QTest::keyClicks(line, "abc");
    pressKey(Qt::Key_Left);
    QVERIFY(focusOn("按钮2"));
    pressKey(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), line);
    QVERIFY(!line->hasSelectedText());
    QCOMPARE(line->cursorPosition(), 2);
    pressKey(Qt::Key_Tab);
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), line);
    QVERIFY(!line->hasSelectedText());
    QCOMPARE(line->cursorPosition(), 2);
}

void OptionsWindowTest::selectionIsHiddenWhileUnfocused() {
    QVERIFY(open());
    QLineEdit* line = edit("编辑框2");
    QTest::keyClicks(line, "abcdef");
    QVERIFY(focusOn("编辑框2"));
    pressKey(Qt::Key_Left, Qt::ShiftModifier);
    pressKey(Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(line->selectedText(), QString("ef"));
    pressKey(Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != line);
    QVERIFY(!line->hasSelectedText());
    pressKey(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), line);
    QCOMPARE(line->selectedText(), QString("ef"));
    QCOMPARE(line->cursorPosition(), 4);
    // The caret is still at the selection's moving end: Shift+Left grows it.
    pressKey(Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(line->selectedText(), QString("def"));
}

void OptionsWindowTest::upAndDownMoveTheCaretSideways() {
    QVERIFY(open(&m_recording));
    QLineEdit* line = edit("编辑框1");
    QVERIFY(focusOn("编辑框1"));
    QTest::keyClicks(line, "abcd");
    pressKey(Qt::Key_Up);
    QCOMPARE(line->cursorPosition(), 3);
    pressKey(Qt::Key_Up);
    QCOMPARE(line->cursorPosition(), 2);
    pressKey(Qt::Key_Down);
    QCOMPARE(line->cursorPosition(), 3);
    QCOMPARE(QApplication::focusWidget(), line);
    QCOMPARE(checkedRadios(m_window), QStringList());
}

void OptionsWindowTest::editBoxMenuIsInChinese() {
    QVERIFY(open());
    QLineEdit* line = edit("编辑框1");
    QVERIFY(focusOn("编辑框1"));
    QTest::keyClicks(line, "abc");
    line->setSelection(0, 1);
    QGuiApplication::clipboard()->setText("x");
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), line->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(line, &event);
    QCOMPARE(s_menuItems,
             (QStringList{"撤消(&U)", "-", "剪切(&T)", "复制(&C)", "粘贴(&P)", "删除(&D)", "-", "全选(&A)"}));
    // Whether or not the platform handed the activation to the menu, the selection is back with the focus.
    m_window->activateWindow();
    QTRY_VERIFY(m_window->isActiveWindow());
    QTRY_COMPARE(QApplication::focusWidget(), line);
    QCOMPARE(line->selectedText(), QString("a"));

    // With nothing selected and nothing to paste, only undo and select-all are offered.
    QTest::keyClick(line, Qt::Key_End);
    QGuiApplication::clipboard()->clear();
    s_menuItems.clear();
    QApplication::sendEvent(line, &event);
    QCOMPARE(s_menuItems, (QStringList{"撤消(&U)", "-", "剪切(&T) (off)", "复制(&C) (off)", "粘贴(&P) (off)",
                                       "删除(&D) (off)", "-", "全选(&A)"}));
}

void OptionsWindowTest::loginButtonShowsTheNotice_data() {
    QTest::addColumn<bool>("byMouse");
    QTest::newRow("mouse") << true;
    QTest::newRow("Space") << false;
}

void OptionsWindowTest::loginButtonShowsTheNotice() {
    QFETCH(bool, byMouse);
    QVERIFY(open());
    fillIn();
    QVERIFY(focusOn("按钮2"));
    const FormState before = stateOf(m_window);
    if (byMouse)
        QTest::mouseClick(control("按钮2"), Qt::LeftButton);
    else
        pressKey(Qt::Key_Space);
    QTRY_COMPARE(s_notices.size(), 1);
    const Notice& notice = s_notices.front();
    QCOMPARE(notice.title, QString("Quorvane"));
    QCOMPARE(notice.text, NoticeText);
    QCOMPARE(notice.parent, m_window);
    QCOMPARE(notice.modality, Qt::WindowModal);
    QCOMPARE(notice.buttonCount, 1);
    QCOMPARE(notice.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(notice.icon, QMessageBox::Information);
    // The form is as it was, and stays open.
    QTRY_VERIFY(openMessageBox() == nullptr);
    QCOMPARE(m_backend->window(OptionsWindowId), m_window);
    FormState after = stateOf(m_window);
    after.focus = before.focus;
    QVERIFY2(after == before, qPrintable(after.describe()));
}

void OptionsWindowTest::startButtonTwiceLeavesOneOptionsWindow() {
    auto backend = std::make_unique<toolkit::qt::QtBackend>("quorvane");
    m_backend = backend.get();
    m_shell = std::make_unique<app::Shell>(std::move(backend), app::programWindows());
    QVERIFY(m_shell->initToolkit() && m_shell->loadStartWindow(StartWindowId));
    QVERIFY(QTest::qWaitForWindowActive(m_backend->window(StartWindowId)));
    QVERIFY(m_backend->window(OptionsWindowId) == nullptr);

    clickStartButton();
    m_window = m_backend->window(OptionsWindowId);
    QVERIFY(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QTest::keyClicks(edit("编辑框1"), "kept");

    m_backend->window(StartWindowId)->activateWindow();
    QTRY_VERIFY(m_backend->window(StartWindowId)->isActiveWindow());
    clickStartButton();
    QCOMPARE(m_backend->window(OptionsWindowId), m_window);
    QTRY_VERIFY(m_window->isActiveWindow());
    QCOMPARE(liveWindows().size(), 2);
    QCOMPARE(edit("编辑框1")->text(), QString("kept"));
}

void OptionsWindowTest::startButtonRestoresAMinimizedOptionsWindow() {
    QVERIFY(open());
    m_window->showMinimized();
    QTRY_VERIFY(m_window->isMinimized());
    clickStartButton();
    QTRY_VERIFY(!m_window->isMinimized());
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_backend->window(OptionsWindowId), m_window);
    QCOMPARE(liveWindows().size(), 2);
}

void OptionsWindowTest::closingTheStartWindowKeepsTheOptionsWindow() {
    QVERIFY(open());
    QPointer<toolkit::qt::Window> start = m_backend->window(StartWindowId);
    start->close();
    QTRY_VERIFY(start.isNull());
    QVERIFY(m_shell->isOpen(OptionsWindowId));
    QVERIFY(m_window->isVisible());
    QCOMPARE(liveWindows(), QList<toolkit::qt::Window*>{m_window});
    // The options window still works on its own.
    QVERIFY(focusOn("单选框1"));
    pressKey(Qt::Key_Right);
    QCOMPARE(checkedRadios(m_window), QStringList{"单选框2"});
}

QTEST_MAIN(OptionsWindowTest)
#include "test_options_window.moc"
