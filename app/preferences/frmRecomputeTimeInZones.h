#pragma once

#include "preferences/TimeInZonesRecompute.h"

#include <QDialog>

#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;

// Recomputes the time in zones of every activity when it is first shown, one activity per turn
// of the event loop, so that it repaints and its Cancel button answers meanwhile. Cancel stops
// after the activity in hand; the window then closes and says the work was aborted. A finished
// run leaves the window open with a Close button.
class frmRecomputeTimeInZones : public QDialog {
    Q_OBJECT

public:
    explicit frmRecomputeTimeInZones(QWidget *parent = nullptr);

    QProgressBar *ProgressBar1;
    QLabel *Label1;
    QPushButton *Command1;

protected:
    void showEvent(QShowEvent *event) override;
    // Escape and the close box are the Cancel button.
    void reject() override;

private:
    void Form_Load();
    void Form_Activate();
    void Command1_Click();
    void recomputeNext();
    void showStatus(const QString &status);

    bool started_ = false;
    bool running_ = false;
    bool cancelled_ = false;
    std::optional<preferences::TimeInZonesRecompute> run_;
};
