#pragma once

#include <QStringList>

#include <functional>
#include <vector>

class QKeyEvent;
class QTableWidget;

// The lists of rows that the analysis windows show and copy: whole rows are selected, several
// at a time, and nothing is edited in place.
namespace analysis {

struct CourseSettings;

// Tab leaves the list for the next control; the arrow keys move from cell to cell.
void PrepareReportList(QTableWidget *list, bool gridLines);

// Empties the list and gives it these columns; widths in pixels, 0 for the list's own width.
// A column is never narrower than its heading.
void SetColumns(QTableWidget *list, const QStringList &headings, const std::vector<int> &widths = {});

// Empties the list and gives it the course statistics' columns for these settings.
void SetCourseColumns(QTableWidget *list, const CourseSettings &settings);

// Adds a row; fields beyond the list's columns are not shown.
void AddRow(QTableWidget *list, const QStringList &fields);

// Widens each column that cuts an entry to that entry's width, up to widest pixels.
void FitColumnsToEntries(QTableWidget *list, int widest);

// The selected rows from the first to the last, each as its first columnCount fields joined by
// tabs and ended by CR LF; the headings come first as one more such line when asked for.
QString SelectedRowsText(const QTableWidget *list, int columnCount, bool withHeadings);

// Ctrl+A selects every row and Ctrl+C runs copy; true when the key was one of them. Keys held
// with any modifier but Ctrl alone are left to others.
bool HandleListKey(const QKeyEvent *event, QTableWidget *list, const std::function<void()> &copy);

} // namespace analysis
