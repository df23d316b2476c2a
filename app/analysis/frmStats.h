#pragma once

#include "analysis/CourseStatistics.h"

#include <QDialog>

class Form_ControlPos;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;

// The course statistics of the activity shown in the main window (gCurrentSessionKey): a row
// at the start, one per distance marker and one at the end, for a marker interval of a whole,
// half or quarter of the preferred unit. Selected rows are copied with the headings.
class frmStats : public QDialog {
    Q_OBJECT

public:
    explicit frmStats(QWidget *parent = nullptr);

    void FillData();
    void SetupListControl();
    void CopyData();

    QMenuBar *menuBar;
    QMenu *mnuFile;
    QAction *mnuEditCopy;
    QTableWidget *lstStats;
    QLabel *Label2;
    QComboBox *cmbUnits;
    QPushButton *cmdOK;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void cmbUnits_Click();
    analysis::CourseSettings settings() const;

    int m_SessionType = 0;
    bool m_HasPosition = false;
    bool m_HasActivity = false;
    Form_ControlPos *m_ControlPos;
};
