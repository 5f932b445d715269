#include "app/shell.h"
#include "forms/options_window.h"
#include "forms/start_window.h"

namespace app {

std::vector<const forms::WindowDescription*> programWindows() {
    return {&forms::StartWindow, &forms::OptionsWindow};
}

} // namespace app
