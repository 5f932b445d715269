#include "toolkit/qt/qt_backend.h"

#include "toolkit/qt/fonts.h"
#include "toolkit/qt/text.h"
#include "toolkit/qt/window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>

namespace toolkit::qt {

namespace {

// Qt keeps pointers to argc and argv for the application's lifetime.
int s_argc = 1;
char* s_argv[2] = {nullptr, nullptr};

// The program keeps no log: Qt's own diagnostics would only reach the user's terminal.
void dropDiagnostics(QtMsgType, const QMessageLogContext&, const QString&) {}

// A message box with one OK button, labelled like every other text of the program, and a frame with
// nothing but a close box.
void runMessageBox(QMessageBox& box) {
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
    box.exec();
}

} // namespace

void prepareApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QApplication::setFont(defaultGuiFont());
    QApplication::setQuitOnLastWindowClosed(false);
}

QtBackend::QtBackend(const char* argv0) {
    if (QApplication::instance() == nullptr) {
        qInstallMessageHandler(dropDiagnostics);
        s_argv[0] = const_cast<char*>(argv0);
        m_ownApplication = std::make_unique<QApplication>(s_argc, s_argv);
    }
    prepareApplication();
}

QtBackend::~QtBackend() {
    release();
}

LiveWindow* QtBackend::build(const forms::WindowDescription& description, EventSink& sink) {
    auto* window = new Window(description, sink);
    window->setSoundPlayer(m_soundPlayer.get());
    m_windows[description.id] = window;
    return window;
}

int QtBackend::runMessageLoop() {
    return QApplication::exec();
}

void QtBackend::postQuit(int code) {
    // A request in the queue, taken by the loop in turn, rather than an exit from inside this event.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [code] { QCoreApplication::exit(code); }, Qt::QueuedConnection);
}

void QtBackend::showFatalError(std::string_view message) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quorvane"),
                    QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
    runMessageBox(box);
}

void QtBackend::showNotice(forms::WindowId owner, const forms::GbkText& title, const forms::GbkText& text) {
    QMessageBox box(QMessageBox::Information, decodeGbk(title), decodeGbk(text), QMessageBox::Ok,
                    window(owner));
    box.setWindowModality(Qt::WindowModal);
    runMessageBox(box);
}

Window* QtBackend::window(forms::WindowId id) const {
    const auto it = m_windows.find(id);
    return it == m_windows.end() ? nullptr : it->second.data();
}

void QtBackend::setSoundPlayer(std::unique_ptr<SoundPlayer> player) {
    m_soundPlayer = std::move(player);
    for (auto& [id, window] : m_windows)
        if (window)
            window->setSoundPlayer(m_soundPlayer.get());
}

void QtBackend::release() {
    for (auto& [id, window] : m_windows)
        delete window.data();
    m_windows.clear();
    m_ownApplication.reset();
}

} // namespace toolkit::qt

namespace toolkit {

std::unique_ptr<Backend> makeBackend(const char* argv0) {
    return std::make_unique<qt::QtBackend>(argv0);
}

} // namespace toolkit
