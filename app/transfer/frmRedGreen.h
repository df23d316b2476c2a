#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Tells the athlete that the recorder could not store one or more workouts properly.
class frmRedGreen : public QDialog {
    Q_OBJECT

public:
    explicit frmRedGreen(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QPushButton *cmdOK;

private:
    void Form_Load();
};
