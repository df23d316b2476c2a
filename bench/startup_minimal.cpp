// The yardsticks of Runvella's start: a Qt Widgets program that shows one window and waits;
// with --text, the window holds one line of text, the least any real window draws (the first
// text sets up the fonts).
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const bool withText = QApplication::arguments().contains("--text");
    QWidget window;
    window.setWindowTitle("Minimal");
    window.resize(640, 480);
    if (withText) {
        auto *text = new QLabel("Starting Application...", &window);
        text->move(16, 16);
        text->adjustSize(); // laid out before it shows, as any window's texts are
    }
    window.show();
    return QApplication::exec();
}
