#include "toolkit/entry.h"

// The program reads no command line: the executable's name is all a backend is told.
int wmain(int /*argc*/, wchar_t** /*argv*/) {
    return toolkit::programMain("quorvane");
}
