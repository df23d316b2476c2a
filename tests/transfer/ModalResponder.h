#pragma once

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

namespace testing {

// Answers the modal windows that code under test opens, one handler per window in the order
// they appear, and records their object names. A window without a handler fails the test and
// is closed with its close box.
class ModalResponder : public QObject {
public:
    using Handler = std::function<void(QDialog &)>;

    ModalResponder();

    void then(Handler handler) { handlers_.push_back(std::move(handler)); }
    // Answers the next window by clicking its button of that object name.
    void thenClick(const char *buttonName);
    // Ticks the check box of that name, then clicks the button.
    void thenTickAndClick(const char *checkBoxName, const char *buttonName);

    // Windows of that object name are left to run and close by themselves, unrecorded.
    void letRun(const QString &objectName) { runOnTheirOwn_ << objectName; }

    const QStringList &shown() const { return shown_; }

private:
    void look();

    QTimer timer_;
    std::deque<Handler> handlers_;
    QStringList shown_;
    QStringList runOnTheirOwn_;
    QPointer<QDialog> current_; // the window being answered, until it is destroyed
};

} // namespace testing
