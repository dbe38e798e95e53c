#pragma once

// Whether a compositor blends windows on this desktop, so a window may have a transparent edge
// (the tray panel draws its shadow there). Wayland always composites; on X11 it is the owner
// of the screen's _NET_WM_CM_S<n> selection; anywhere else (offscreen, no display) it is false.
// Asked again on every call, as a compositor can start or stop while the app runs. Main thread;
// needs the application object.
namespace WindowCompositing {

bool isActive();

} // namespace WindowCompositing
