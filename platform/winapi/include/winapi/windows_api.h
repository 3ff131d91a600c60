// The window API seam.
//
// Code that needs windows, window messages or window handles includes this
// header and nothing else. On Windows it is the platform's own <windows.h>;
// everywhere else it declares our stand-in for the small part of that API
// the tree-list bridge and its tests use (see window_api_standin.h). Both
// spell the same names with the same signatures, so one source compiles
// against either.
#ifndef WINAPI_WINDOWS_API_H
#define WINAPI_WINDOWS_API_H

#if defined(_WIN32)
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include "winapi/window_api_standin.h"
#endif

#endif // WINAPI_WINDOWS_API_H
