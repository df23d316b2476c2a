#pragma once

class QChartView;
class QComboBox;
class QLabel;
class QWidget;

namespace sessionview {

// The main window's controls that the graph of one activity fills, shows or hides.
struct SessionPane {
    QChartView *TChart3 = nullptr;
    QLabel *GraphLabel = nullptr;
    QLabel *lblNote = nullptr;
    QComboBox *cmbGraph1 = nullptr;
    QComboBox *cmbGraph2 = nullptr;
    QLabel *lblGraphLeft1 = nullptr;
    QLabel *lblGraphLeft2 = nullptr;
    QLabel *lblGraphRight1 = nullptr;
    QLabel *lblGraphRight2 = nullptr;
    // The summary graph's choices, which share the pane.
    QComboBox *Combo1 = nullptr;
    QComboBox *Combo2 = nullptr;
    QComboBox *Combo3 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *lblSelectGraph = nullptr;
    // Image links: the table of lines, the full view, the track plot, the summary graphs.
    QWidget *resImage5 = nullptr;
    QWidget *resImage6 = nullptr;
    QWidget *resImagePlot = nullptr;
    QWidget *resSummary = nullptr;
    // The day's activities, which keep the keyboard focus while the graph changes.
    QWidget *ListView1 = nullptr;
};

} // namespace sessionview
