// The yardstick of Runvella's start: a Qt Widgets program that shows one window and waits.
#include <QApplication>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Minimal");
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}
