#pragma once

#include <QDialog>

class QPushButton;

// The last page of the first-run wizard: the athlete is ready to begin.
class frmWizard3 : public QDialog {
    Q_OBJECT

public:
    explicit frmWizard3(QWidget *parent = nullptr);

    QPushButton *Command2;
};
