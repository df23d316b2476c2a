#pragma once

class QWidget;

// Putting one of the program's windows in front of the user's other windows.
namespace platform::windows {

// Restores the window when minimised, raises it and gives it the focus. Meant for a request the
// user made elsewhere (a second start of the program): window managers refuse a program that
// puts itself forward on its own, so on X11 the window manager is asked as the user's tools ask.
void bringToFront(QWidget &window);

} // namespace platform::windows
