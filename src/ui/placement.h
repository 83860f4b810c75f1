#pragma once

class QWidget;

namespace tg {

// Where a window first appears: centred over the window of the program it
// belongs to (its parent's window) while that one is on show, otherwise
// centred on the screen, and kept on the screen. The program sets the place
// itself just before the window is first shown, so it is the same with a
// window manager and without one.
void centreWhenFirstShown(QWidget* window);

// Centres a window in the same way at once: for a window that takes its
// final size only in its own show event (a message box).
void centreOverOwner(QWidget* window);

}  // namespace tg
