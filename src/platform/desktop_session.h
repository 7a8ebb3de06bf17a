#pragma once

// What kind of desktop session the tool runs in, judged by the session's environment rather than
// by the toolkit's platform: a program run through XWayland is still on a Wayland session.
namespace DesktopSession {

// True where a Wayland display is named or the login manager says the session is Wayland.
bool isWayland();

// On a Wayland session, asks the toolkit for its Wayland platform with X11 (XWayland) as the
// fallback, unless QT_QPA_PLATFORM already chooses one. Call before the application object is
// made; true when it chose, so that the caller can take the choice back from the environment
// once the toolkit has read it (programs the tool starts choose for themselves).
bool preferWaylandPlatform();

} // namespace DesktopSession
