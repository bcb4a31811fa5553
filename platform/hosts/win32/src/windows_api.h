#pragma once
// <windows.h> for the host's own files. The window system mirrors the classic API's names, and
// the platform's headers make several of them macros (CreateWindow for CreateWindowA, ...);
// the host always calls the -A functions by their full names, so the short macros go.

#include <windows.h>
#include <windowsx.h>

#undef AppendMenu
#undef CreateWindow
#undef DefWindowProc
#undef DispatchMessage
#undef GetWindowStyle
#undef PeekMessage
#undef PostMessage
#undef RegisterClass
#undef SendMessage
#undef TextOut
