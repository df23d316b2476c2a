#pragma once

#include <QWidget>

class PictureBox;
class QLabel;

// The small window that stands while the program starts: its picture, the rights line, the
// program's version and the progress text that start-up writes.
class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(QWidget *parent = nullptr);

    void Form_Load();
    // Shows the progress text at once, without waiting for the event loop.
    void ShowMessage(const QString &text);

    PictureBox *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *lblMessage;

protected:
    void showEvent(QShowEvent *event) override;
    // The thin frame of a window that has no frame of its own.
    void paintEvent(QPaintEvent *event) override;
};
