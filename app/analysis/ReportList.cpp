#include "analysis/ReportList.h"

#include "analysis/CourseStatistics.h"
#include "core/FormControls.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QTableWidget>

#include <algorithm>

namespace analysis {

void PrepareReportList(QTableWidget *list, bool gridLines) {
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setShowGrid(gridLines);
    list->setWordWrap(false);
    list->verticalHeader()->hide();
    list->horizontalHeader()->setHighlightSections(false);
    list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    list->setTabKeyNavigation(false);
    // A column fits its longest entry among all rows, not only among the first thousand.
    list->horizontalHeader()->setResizeContentsPrecision(-1);
}

void SetColumns(QTableWidget *list, const QStringList &headings, const std::vector<int> &widths) {
    list->clear();
    list->setRowCount(0);
    list->setColumnCount(static_cast<int>(headings.size()));
    list->setHorizontalHeaderLabels(headings);
    for (int column = 0; column < list->columnCount(); ++column) {
        const int given = column < int(widths.size()) ? widths[column] : 0;
        list->setColumnWidth(column, std::max(given > 0 ? given : list->columnWidth(column),
                                              list->horizontalHeader()->sectionSizeHint(column)));
    }
}

void SetCourseColumns(QTableWidget *list, const CourseSettings &settings) {
    QStringList headings;
    std::vector<int> widths;
    for (const CourseColumn &column : CourseColumns(settings)) {
        headings << column.heading;
        widths.push_back(pixelsFromTwips(column.widthTwips));
    }
    SetColumns(list, headings, widths);
}

void AddRow(QTableWidget *list, const QStringList &fields) {
    const int row = list->rowCount();
    list->insertRow(row);
    const int shown = std::min<int>(list->columnCount(), static_cast<int>(fields.size()));
    for (int column = 0; column < shown; ++column)
        list->setItem(row, column, new QTableWidgetItem(fields[column]));
}

void FitColumnsToEntries(QTableWidget *list, int widest) {
    const QAbstractItemView &view = *list; // where the table's measure of a column is public
    for (int column = 0; column < list->columnCount(); ++column) {
        const int entries = std::min(view.sizeHintForColumn(column), widest);
        if (entries > list->columnWidth(column))
            list->setColumnWidth(column, entries);
    }
}

QString SelectedRowsText(const QTableWidget *list, int columnCount, bool withHeadings) {
    const auto line = [columnCount](const std::function<QString(int)> &field) {
        QStringList fields;
        for (int column = 0; column < columnCount; ++column)
            fields << field(column);
        return fields.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    };
    QString text;
    if (withHeadings) {
        text += line([list](int column) {
            const QTableWidgetItem *heading = list->horizontalHeaderItem(column);
            return heading ? heading->text() : QString();
        });
    }
    const QItemSelectionModel *selection = list->selectionModel();
    for (int row = 0; row < list->rowCount(); ++row) {
        if (!selection->isRowSelected(row, QModelIndex()))
            continue;
        text += line([list, row](int column) {
            const QTableWidgetItem *item = list->item(row, column);
            return item ? item->text() : QString();
        });
    }
    return text;
}

bool HandleListKey(const QKeyEvent *event, QTableWidget *list, const std::function<void()> &copy) {
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::ControlModifier)
        return false;
    if (event->key() == Qt::Key_A) {
        list->selectAll();
        return true;
    }
    if (event->key() == Qt::Key_C) {
        copy();
        return true;
    }
    return false;
}

} // namespace analysis
