#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QChart;
class QPrinter;
class QToolBar;
class QWidget;

// What the athlete does with a chart on the screen: save it as a picture, print it or copy it.
// For the time of each action the chart carries title lines that say what it shows.
namespace charts {

inline constexpr QSize kPictureSize(640, 480);
inline constexpr int kPictureQuality = 99;

// Shows the lines as the chart's title for as long as it lives, below the title the chart had;
// then the chart has its own title again.
class DescribedTitle {
public:
    DescribedTitle(QChart &chart, const QStringList &lines);
    ~DescribedTitle();
    DescribedTitle(const DescribedTitle &) = delete;
    DescribedTitle &operator=(const DescribedTitle &) = delete;

private:
    QChart &chart_;
    QString kept_;
};

// Asks where to save the chart as a 640 x 480 JPEG picture and writes it there, asking first
// before it replaces a file. The dialog offers the picture's name with ".jpg", "Activity" when
// none is given. A cancel writes nothing and says nothing; a failure to write says so.
void SaveChartPicture(QChart &chart, QWidget *parent, const QString &pictureName = QString());

// Prints the chart on the printer that the athlete chooses; a cancel prints nothing.
void PrintChart(QChart &chart, QWidget *parent);

// Puts a picture of the chart, at its size on the screen, on the clipboard.
void CopyChart(QChart &chart);

// Runs a tool by its key, "save", "print" or "clipboard", with the lines as the chart's title;
// a saved picture is offered under the name given. Any other key changes nothing.
void RunChartTool(QChart &chart, const QString &key, const QStringList &titleLines, QWidget *parent,
                  const QString &pictureName = QString());

// Fills the toolbar with the tools' buttons, keyed "save", "print" and "clipboard" and tagged
// with the ids of their tool tips, which LocalizeForm makes their names too. Tab reaches each of
// them as it reaches any button.
void AddChartToolButtons(QToolBar &toolbar);

// Offers the toolbar's tools only while the chart view is on show in its window: with a note in
// the chart's place they would act on a graph no longer shown.
void OfferToolsWhileShown(QToolBar &toolbar, QWidget &chartView);

// How a printer is chosen: true when the printer is set up to print. The desktop's print dialog
// until another chooser is set (tests answer it instead). Returns the chooser it replaced.
using PrinterChooser = std::function<bool(QPrinter &printer, QWidget *parent)>;
PrinterChooser setPrinterChooser(PrinterChooser chooser);

} // namespace charts
