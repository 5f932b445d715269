#pragma once

#include <QMap>
#include <QString>

class QObject;

// Every QObject made after install() and not yet destroyed, seen through the hooks that Qt keeps for
// debugging tools: its constructor and destructor report each object, in any thread.
class LiveObjects {
public:
    // False where the running Qt offers no hooks; counting then sees nothing.
    static bool install();
    static void uninstall();

    static int count();
    // Live objects by their most derived class name, e.g. "QTimer" or "toolkit::qt::Window".
    static QMap<QString, int> countByClass();
    // Live objects that inherit `className` (QObject::inherits).
    static int countInheriting(const char* className);
    // Timers registered with the main thread's event dispatcher by live objects and the application.
    static int timerCount();
};
