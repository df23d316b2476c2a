#include "ModalResponder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>

#include <gtest/gtest.h>

namespace testing {

ModalResponder::ModalResponder() {
    connect(&timer_, &QTimer::timeout, this, &ModalResponder::look);
    timer_.start(0);
}

void ModalResponder::thenClick(const char *buttonName) {
    then([name = QString(buttonName)](QDialog &window) {
        auto *button = window.findChild<QAbstractButton *>(name);
        ASSERT_NE(button, nullptr) << name.toStdString();
        button->click();
    });
}

void ModalResponder::thenTickAndClick(const char *checkBoxName, const char *buttonName) {
    then([box = QString(checkBoxName), name = QString(buttonName)](QDialog &window) {
        auto *check = window.findChild<QCheckBox *>(box);
        ASSERT_NE(check, nullptr) << box.toStdString();
        check->setChecked(true);
        window.findChild<QAbstractButton *>(name)->click();
    });
}

void ModalResponder::look() {
    auto *window = qobject_cast<QDialog *>(QApplication::activeModalWidget());
    if (!window || window == current_ || runOnTheirOwn_.contains(window->objectName()))
        return;
    current_ = window;
    shown_ << window->objectName();
    const QPointer<QDialog> guard(window);
    if (handlers_.empty()) {
        ADD_FAILURE() << "unexpected window " << window->objectName().toStdString();
    } else {
        const Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        handler(*window);
    }
    // A window left open by its handler is closed, so that no test waits for ever.
    if (guard && guard->isVisible() && QApplication::activeModalWidget() == guard)
        guard->reject();
}

} // namespace testing
