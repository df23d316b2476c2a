#pragma once

class QFileDialog;

namespace platform::dialogs {

// Qt's own file dialog sizes its list's columns for English headings, and some headings of
// other languages are longer. When the dialog shows, each column widens to its heading and the
// dialog to its columns, as far as the screen allows. A desktop's native dialog is left alone.
void showColumnHeadingsWhole(QFileDialog &dialog);

} // namespace platform::dialogs
