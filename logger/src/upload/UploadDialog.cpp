#include "upload/UploadDialog.h"

#include "CenterDialog.h"
#include "LibraryState.h"
#include "LibraryStrings.h"
#include "upload/SleepWatcher.h"
#include "upload/UploadProgress.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

namespace logger {
namespace {

constexpr int kProgressText = 50000;
constexpr int kCancelText = 50001;
constexpr int kLongestProgressText = 30;

// The dialog's layout in dialog units of its 8-point font, converted to pixels.
QRect pixels(int x, int y, int width, int height) {
    const auto px = [](int units) { return units * 3 / 2; };
    const auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(width), py(height)};
}

} // namespace

UploadDialog::UploadDialog(UploadProgress &progress, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), progress_(progress),
      text1003_(new QLabel(this)), bar1004_(new QLabel(this)), cancel1002_(new QPushButton(this)),
      timer1001_(new QTimer(this)) {
    setObjectName(QStringLiteral("102"));
    setWindowTitle(QStringLiteral("Velko Data Recorder"));
    setModal(true);
    setFixedSize(pixels(0, 0, 168, 78).size());

    const int offset = state().languageOffset;
    text1003_->setObjectName(QStringLiteral("1003"));
    text1003_->setGeometry(pixels(19, 15, 125, 11));
    text1003_->setText(libraryString(kProgressText + offset).left(kLongestProgressText));
    bar1004_->setObjectName(QStringLiteral("1004"));
    bar1004_->setGeometry(pixels(16, 28, 136, 10));
    bar1004_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar1004_->setText(QStringLiteral(" "));
    cancel1002_->setObjectName(QStringLiteral("1002"));
    cancel1002_->setGeometry(pixels(37, 46, 97, 18));
    cancel1002_->setText(libraryString(kCancelText + offset));

    timer1001_->setObjectName(QStringLiteral("1001"));
    timer1001_->setInterval(kTickPeriod);
    connect(timer1001_, &QTimer::timeout, this, &UploadDialog::tick);
    progress_.whenOver([this] { timer1001_->stop(); });
    connect(cancel1002_, &QPushButton::clicked, this, &UploadDialog::cancel);
    auto *sleep = new SleepWatcher(this);
    sleep->setObjectName(QStringLiteral("sleepWatcher"));
    connect(sleep, &SleepWatcher::suspending, this, &UploadDialog::suspend);
    CenterDialog(this);
}

UploadDialog::~UploadDialog() {
    progress_.whenOver({});
}

void UploadDialog::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!progress_.over())
        timer1001_->start();
}

void UploadDialog::tick() {
    progress_.tick();
    bar1004_->setText(progress_.bar());
    closeWhenOver();
}

void UploadDialog::cancel() {
    progress_.cancel();
    closeWhenOver();
}

void UploadDialog::suspend() {
    progress_.suspend();
    closeWhenOver();
}

void UploadDialog::closeWhenOver() {
    if (!progress_.over())
        return;
    done(kClosedResult);
}

void runUploadDialog(UploadProgress &progress) {
    UploadDialog dialog(progress, QApplication::activeWindow());
    dialog.exec();
}

} // namespace logger
