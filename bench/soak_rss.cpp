// Prints the resident memory of the program's windows after 0, 100 and 1,000 open-and-close cycles
// of the options window (the soak test's cycle: a click on the start button, typing, ticks, a radio
// pick, then closing). Run it on the offscreen platform: bench/soak_rss.sh.
#include "options_cycle.h"

#include <QApplication>
#include <QFile>
#include <cstdio>

namespace {

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    hidePlatformLimitations();
    OptionsCycle soak;
    if (!soak.start()) {
        std::fprintf(stderr, "%s\n", qPrintable(soak.error()));
        return 1;
    }
    int done = 0;
    for (const int checkpoint : {0, 100, 1000}) {
        for (; done < checkpoint; ++done) {
            if (!soak.run(done)) {
                std::fprintf(stderr, "cycle %d: %s\n", done, qPrintable(soak.error()));
                return 1;
            }
        }
        std::printf("VmRSS after %4d cycles: %6ld kB\n", checkpoint, residentKilobytes());
        std::fflush(stdout);
    }
    return 0;
}
