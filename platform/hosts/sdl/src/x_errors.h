#pragma once
// X errors are reported and ignored. SDL 2.26 can ask the X server about a window that is
// already gone while windows are destroyed, and Xlib's default handler ends the program then.
// The X11 headers stay in x_errors.cpp: their type names clash with ours.

#include "win/host.h"

namespace sdlhost {

// Call before SDL opens its X connection: SDL's handler hands errors on to the handler it
// found, and puts that one back before it closes the connection, which is when the errors of
// the destruction race arrive.
void IgnoreXErrors();
// Where the errors ignored from now on are reported; nullptr: nowhere.
void ReportXErrorsTo(const win::Host* host);

}  // namespace sdlhost
