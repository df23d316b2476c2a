#include "analysis/ListRoom.h"

#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>
#include <vector>

namespace analysis {
namespace {

constexpr int kRowsShownAtOpening = 6;
// What a window manager's title bar and borders may take around a window.
constexpr QSize kFrameAllowance(16, 40);

int horizontalBarHeight(const QTableWidget &list) {
    return list.horizontalScrollBar()->sizeHint().height();
}

// The right edges of the columns, in pixels from the left edge of a list of this height.
std::vector<int> columnEnds(const QTableWidget &list, int height) {
    const QHeaderView &headings = *list.horizontalHeader();
    const int rowHeight = std::max(1, list.verticalHeader()->defaultSectionSize());
    const int rowsInView =
        (height - 2 * list.frameWidth() - headings.sizeHint().height() - horizontalBarHeight(list)) /
        rowHeight;
    const bool verticalBar = list.rowCount() > rowsInView;
    int end = 2 * list.frameWidth() + (verticalBar ? list.verticalScrollBar()->sizeHint().width() : 0);
    std::vector<int> ends;
    for (int column = 0; column < headings.count(); ++column) {
        end += headings.sectionSize(column);
        ends.push_back(end);
    }
    return ends;
}

QSize screenRoom(const QWidget &window) {
    const QScreen *screen = window.screen();
    if (!screen)
        return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
    return screen->availableGeometry().size() - kFrameAllowance;
}

} // namespace

int HeightForRows(const QTableWidget &list, int rows) {
    return 2 * list.frameWidth() + list.horizontalHeader()->sizeHint().height() +
           rows * list.verticalHeader()->defaultSectionSize() + horizontalBarHeight(list);
}

int OpeningListHeight(const QTableWidget &list) {
    return HeightForRows(list, kRowsShownAtOpening);
}

int WholeColumnsWidth(const QTableWidget &list, int height, const ListWidths &widths) {
    const std::vector<int> ends = columnEnds(list, height);
    if (ends.empty() || ends.back() <= widths.designed)
        return widths.designed;
    if (ends.back() <= widths.widest)
        return std::max(ends.back(), widths.narrowest);
    for (auto end = ends.rbegin(); end != ends.rend(); ++end) {
        if (*end <= widths.widest && *end >= widths.narrowest)
            return *end;
    }
    return widths.widest;
}

int WidestColumn(const QWidget &window, const QTableWidget &list) {
    const int listRoom = screenRoom(window).width() - (window.width() - list.width());
    return listRoom - 2 * list.frameWidth() - list.verticalScrollBar()->sizeHint().width();
}

QSize OpeningSize(const QWidget &window, const QTableWidget &list, int narrowestWindow) {
    const QSize room = screenRoom(window) - (window.size() - list.size());
    const int height = std::min(std::max(list.height(), OpeningListHeight(list)), room.height());
    const int width = WholeColumnsWidth(
        list, height, {narrowestWindow - (window.width() - list.width()), list.width(), room.width()});
    return window.size() + QSize(width, height) - list.size();
}

} // namespace analysis
