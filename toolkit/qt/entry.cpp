#include "toolkit/entry.h"

int main(int /*argc*/, char** argv) {
    return toolkit::programMain(argv[0]);
}
