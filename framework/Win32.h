// The one way the program includes the Windows headers: ANSI APIs only.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#undef UNICODE
#undef _UNICODE

#include <windows.h>
// After windows.h, which they build on. Of shellapi.h only the drop's handle
// type is used: SHELL32 itself is bound at run time.
#include <commctrl.h>
#include <shellapi.h>
