#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

// Shows how much of a data file an import has read and stored. The import closes it; the athlete
// cannot, since an import is stored whole or not at all.
class frmImportProgress : public QDialog {
    Q_OBJECT

public:
    explicit frmImportProgress(QWidget *parent = nullptr);

    void ShowPercent(int percent);

    QLabel *lblImporting;
    QProgressBar *ProgressBar1;

protected:
    // Escape and the close box do nothing.
    void reject() override {}
};
