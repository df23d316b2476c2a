#pragma once

#include <QDialog>

class Form_ControlPos;
class QAction;
class QGroupBox;
class QMenu;
class QMenuBar;
class QPushButton;
class QTableWidget;

// The table of lines behind the graph on screen (gGraphTable) as it stands when the window
// opens: line 0 gives the column headings, every further line a row, fields split at tabs.
// Selected rows are copied without the headings.
class frmTabularData2 : public QDialog {
    Q_OBJECT

public:
    explicit frmTabularData2(QWidget *parent = nullptr);

    void CopyData();
    void SetupListControl();
    void FillListControl();

    QMenuBar *menuBar;
    QMenu *mnu1;
    QAction *mnuCopy;
    QGroupBox *Frame1;
    QTableWidget *lstTabData;
    QPushButton *Command1;

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();

    int m_ColumnCount = 0;
    Form_ControlPos *m_ControlPos;
};
