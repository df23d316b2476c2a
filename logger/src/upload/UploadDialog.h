#pragma once

#include <QDialog>
#include <QTimer>

#include <chrono>

class QLabel;
class QPushButton;

namespace logger {

class UploadProgress;

// The modal progress dialog of an upload: a text, a bar of "|" and Cancel. Its 10 ms timer
// reads one report per tick; Cancel and a suspend of the machine end the upload early.
class UploadDialog : public QDialog {
public:
    static constexpr int kClosedResult = 100;
    static constexpr std::chrono::milliseconds kTickPeriod{10};

    UploadDialog(UploadProgress &progress, QWidget *parent = nullptr);
    ~UploadDialog() override;

    void tick();
    void cancel();
    void suspend();

    // Escape and the close box do nothing: only Cancel ends an upload.
    void reject() override {}

protected:
    void showEvent(QShowEvent *event) override;

private:
    void closeWhenOver();

    UploadProgress &progress_;
    QLabel *text1003_;
    QLabel *bar1004_;
    QPushButton *cancel1002_;
    QTimer *timer1001_;
};

// Runs the upload under the dialog, modally over the active window.
void runUploadDialog(UploadProgress &progress);

} // namespace logger
