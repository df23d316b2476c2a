#include "FileDialogWidth.h"

#include <QEvent>
#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace platform::dialogs {
namespace {

// The widths are only known once the dialog's layout has placed the list, just before it shows.
class WidenOnShow : public QObject {
public:
    explicit WidenOnShow(QFileDialog &dialog) : QObject(&dialog) { dialog.installEventFilter(this); }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            widen(static_cast<QFileDialog &>(*watched));
            deleteLater();
        }
        return false;
    }

private:
    static void widen(QFileDialog &dialog) {
        auto *list = dialog.findChild<QTreeView *>("treeView");
        if (!list)
            return;
        QHeaderView &headings = *list->header();
        for (int column = 0; column < headings.count(); ++column)
            if (!headings.isSectionHidden(column))
                headings.resizeSection(
                    column, std::max(headings.sectionSize(column), headings.sectionSizeHint(column)));
        // Room for the scroll bar that a long folder brings.
        const int room = list->viewport()->width() -
                         (list->verticalScrollBar()->isVisible()
                              ? 0
                              : list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list));
        const int missing = headings.length() - room;
        if (missing <= 0)
            return;
        int width = dialog.width() + missing;
        if (const QScreen *screen = dialog.screen())
            width = std::min(width, screen->availableGeometry().width());
        dialog.resize(std::max(width, dialog.width()), dialog.height());
    }
};

} // namespace

void showColumnHeadingsWhole(QFileDialog &dialog) {
    new WidenOnShow(dialog);
}

} // namespace platform::dialogs
