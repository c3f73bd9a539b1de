#pragma once
// Top-level windows of other programs on an X display, through libxcb. With no
// X display (none set, Wayland only, or the server not answering) nothing is found.
#include "platform/Platforma.h"

namespace velkor::posix {

RučkaProzora NađiProzorNaX(const QString& naslov);
// Iconic in the window manager's sense: WM_STATE says IconicState.
bool JeIkonaNaX(RučkaProzora prozor);

} // namespace velkor::posix
