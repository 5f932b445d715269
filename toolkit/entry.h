#pragma once

// The process's entry point belongs to the backend, since platforms differ in it: main for the Qt
// backend, wmain for the native Windows one (built with -municode). It calls this, the program's own
// start, with the executable's name.
namespace toolkit {

int programMain(const char* argv0);

} // namespace toolkit
