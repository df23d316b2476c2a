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

// A picture that acts when clicked. It is reached with Tab as a button is, and screen readers
// name it by its tool tip and can press it. The keyboard clicks it too: Enter or Space as the
// left button does, the context-menu key or Shift+F10 as the right one.
class ImageBox : public QLabel {
    Q_OBJECT

public:
    explicit ImageBox(QWidget *parent = nullptr);

    // A press and a release of the button, as the mouse gives them; the left button's also
    // makes a click.
    void activate(Qt::MouseButton button);

signals:
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

// The bitmap resource of an id; a null pixmap when the program has none.
QPixmap ResourceBitmap(int id);
