#include "live_objects.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QObject>

#include <mutex>
#include <unordered_set>

// Exported by QtCore for debugging tools; its layout is fixed by the hook data version it carries.
QT_BEGIN_NAMESPACE
extern Q_CORE_EXPORT quintptr qtHookData[];
QT_END_NAMESPACE

namespace {

enum HookIndex { HookDataVersion = 0, HookDataSize = 1, QtVersion = 2, AddQObject = 3, RemoveQObject = 4 };

std::mutex s_mutex;
std::unordered_set<QObject*> s_live;

void added(QObject* object) {
    std::lock_guard lock(s_mutex);
    s_live.insert(object);
}

void removed(QObject* object) {
    std::lock_guard lock(s_mutex);
    s_live.erase(object);
}

template <typename Visit> void forEachLive(Visit visit) {
    std::lock_guard lock(s_mutex);
    for (QObject* object : s_live)
        visit(object);
}

} // namespace

bool LiveObjects::install() {
    if (qtHookData[HookDataSize] <= RemoveQObject || qtHookData[QtVersion] != QT_VERSION)
        return false;
    qtHookData[AddQObject] = reinterpret_cast<quintptr>(&added);
    qtHookData[RemoveQObject] = reinterpret_cast<quintptr>(&removed);
    return true;
}

void LiveObjects::uninstall() {
    qtHookData[AddQObject] = 0;
    qtHookData[RemoveQObject] = 0;
    std::lock_guard lock(s_mutex);
    s_live.clear();
}

int LiveObjects::count() {
    std::lock_guard lock(s_mutex);
    return static_cast<int>(s_live.size());
}

QMap<QString, int> LiveObjects::countByClass() {
    QMap<QString, int> counts;
    forEachLive([&](QObject* object) { ++counts[QString::fromLatin1(object->metaObject()->className())]; });
    return counts;
}

int LiveObjects::countInheriting(const char* className) {
    int count = 0;
    forEachLive([&](QObject* object) { count += object->inherits(className); });
    return count;
}

int LiveObjects::timerCount() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (dispatcher == nullptr)
        return 0;
    int count = static_cast<int>(dispatcher->registeredTimers(QCoreApplication::instance()).size());
    forEachLive(
        [&](QObject* object) { count += static_cast<int>(dispatcher->registeredTimers(object).size()); });
    return count;
}
