#include "app/shell.h"

int main(int /*argc*/, char** argv) {
    app::Shell shell(toolkit::makeBackend(argv[0]), app::programWindows());
    return shell.run();
}
