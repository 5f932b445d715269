#include "app/shell.h"
#include "forms/start_window.h"
#include "toolkit/entry.h"

// The real program's start with a set of descriptions that cannot be read (the start window twice,
// under one identifier), so that its fatal path runs in a real process: the error box without an
// owner, then exit code -1.
int toolkit::programMain(const char* argv0) {
    app::Shell shell(toolkit::makeBackend(argv0), {&forms::StartWindow, &forms::StartWindow});
    return shell.run();
}
