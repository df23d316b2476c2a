#pragma once

#include <QLabel>

// The two picture controls that windows place. Both show a bitmap of the program's resources
// named by the number in their "tag" property; an ImageBox also takes its tool tip from the
// string of that number and reports presses, releases and clicks of the mouse.

class PictureBox : public QLabel {
    Q_OBJECT

public:
    explicit PictureBox(QWidget *parent = nullptr);
};

class ImageBox : public QLabel {
    Q_OBJECT

public:
    explicit ImageBox(QWidget *parent = nullptr);

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The bitmap resource of an id; a null pixmap when the program has none.
QPixmap ResourceBitmap(int id);
