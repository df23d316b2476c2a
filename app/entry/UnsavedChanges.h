#pragma once

class QWidget;

namespace entry {

// Whether the athlete leaves a window whose save was refused (another program's lock, a
// read-only database, a full disk) without saving: asked before the window closes, so that a
// lasting failure never keeps the athlete in the window.
bool LeaveUnsaved(QWidget *window);

} // namespace entry
