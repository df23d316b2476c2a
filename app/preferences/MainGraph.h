#pragma once

namespace preferences {

// Shows the main window's graph in the preferences now in force: the summary graph is drawn
// again for its period, and an activity's graph is drawn anew the next time it is shown.
void RedrawMainGraph();

} // namespace preferences
