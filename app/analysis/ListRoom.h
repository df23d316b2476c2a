#pragma once

#include <QSize>

class QTableWidget;
class QWidget;

// The size at which an analysis window opens, so that its list shows several rows and no heading
// cut at the edge of its view.
namespace analysis {

// Widths of a list in pixels: the narrowest its window allows, the one it was laid out with and
// the widest the screen leaves it.
struct ListWidths {
    int narrowest = 0;
    int designed = 0;
    int widest = 0;
};

// The height at which the list shows this many rows under its headings and a horizontal scroll
// bar.
int HeightForRows(const QTableWidget &list, int rows);

// The height at which the list shows several rows when its window opens.
int OpeningListHeight(const QTableWidget &list);

// The width, at this height of the list, at which its view ends at the right edge of a column, so
// that every heading it shows is whole: the designed width when every column shows at it, else the
// width of every column when the screen has room, else the widest that shows the first columns
// whole. When not even that fits, the widest.
int WholeColumnsWidth(const QTableWidget &list, int height, const ListWidths &widths);

// The widest a column of the list can be and still show whole when the list grows with its window
// to the width of the screen.
int WidestColumn(const QWidget &window, const QTableWidget &list);

// The size at which a window opens whose list grows with it pixel for pixel from their present
// sizes: the list shows several rows and only whole headings, and the window stays on the screen
// and at least narrowestWindow wide.
QSize OpeningSize(const QWidget &window, const QTableWidget &list, int narrowestWindow);

} // namespace analysis
