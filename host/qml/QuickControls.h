#pragma once

namespace host {

// Registers the host's QML controls and selects the software scene graph unless the user chose
// a back end (QT_QUICK_BACKEND). The controls are small, and the software renderer also runs
// where no OpenGL context can be had (offscreen, remote sessions, virtual machines). Call it
// before the first Quick widget is created; repeated calls do nothing.
void InitQuickControls();

} // namespace host
