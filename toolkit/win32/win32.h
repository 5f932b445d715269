#pragma once

// The one place that pulls in the system's headers, so that every file sees the same settings: wide
// (UTF-16) entry points only, and none of the min/max macros that would break std::min.
#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
