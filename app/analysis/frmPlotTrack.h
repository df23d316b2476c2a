#pragma once

#include "analysis/CourseStatistics.h"
#include "core/SessionKey.h"

#include <QDialog>
#include <QStringList>

#include <array>

class ImageBox;
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QToolBar;
namespace charts {
class ChartView;
}

// The activity the window shows, and the main window's table of lines while the window lends it.
inline SessionKey gPlotSessionKey = 0;
inline QStringList gTrackTable;

// The GPS track of the activity shown in the main window (gCurrentSessionKey) as a flat map
// with its start, its end and a numbered cross at every distance marker, beside its course
// statistics per marker. The athlete picks the marker interval, can hide the markers and the
// legend, opens the GPS samples as a table, copies the statistics, and saves, prints or copies
// the chart.
class frmPlotTrack : public QDialog {
    Q_OBJECT

public:
    explicit frmPlotTrack(QWidget *parent = nullptr);

    void SetupListControl();
    void CopyData();

    charts::ChartView *TChart1;
    QTableWidget *lstStats;
    QLabel *Label1;
    QLabel *Label2;
    QComboBox *cmbUnits;
    QCheckBox *chkDisableMarkers;
    QCheckBox *chkLegend;
    std::array<ImageBox *, 3> resImage; // the sample table, the original view, copy statistics
    QToolBar *Toolbar2;
    QPushButton *cmdOK;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void PlotTrack();
    void redraw(bool withColumns);
    void resImage_Click(int index);
    void showSampleTable();
    void Toolbar2_ButtonClick(const QAction *button);
    analysis::CourseSettings settings() const;

    int m_SessionType = 0;
};
