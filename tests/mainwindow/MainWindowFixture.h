#pragma once

#include "common/ScriptedDialogs.h"
#include "core/modDatabase.h"
#include "mainwindow/frmMain.h"
#include "transfer/ActivityFixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

// The web addresses the program asked the desktop to open, instead of opening them.
class OpenedAddresses : public QObject {
    Q_OBJECT

public:
    OpenedAddresses() {
        QDesktopServices::setUrlHandler("https", this, "open");
        QDesktopServices::setUrlHandler("http", this, "open");
    }
    ~OpenedAddresses() override {
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }

    QStringList addresses;

public slots:
    void open(const QUrl &address) { addresses << address.toString(); }
};

// Answers the next modal window from inside the loop that shows it.
class NextModal {
public:
    explicit NextModal(std::function<void(QWidget &)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                timer_.stop();
                answered_ = true;
                answer_(*modal);
            }
        });
        timer_.start(0);
    }

    bool answered() const { return answered_; }

private:
    std::function<void(QWidget &)> answer_;
    QTimer timer_;
    bool answered_ = false;
};

// The main window over a fresh database brought up to date as start-up does, loaded on a fixed
// day: Wednesday 11 March 2026.
class MainWindowFixture : public ActivityFixture {
protected:
    void SetUp() override {
        ActivityFixture::SetUp();
        modDatabase::UpgradeDatabaseSchema();
        gStartOfWeek = "Monday";
        gCurrentGraph.clear();
        gCurrentSessionKey = 0;
        gEditExisting = false;
        platform::clock::setToday(kToday);
        window = std::make_unique<frmMain>();
    }

    void TearDown() override {
        window.reset();
        gStartOfWeek.clear();
        ActivityFixture::TearDown();
    }

    void load() {
        window->Form_Load();
        window->show();
    }

    // A press, a move and a release of the left button over the calendar's days.
    void dragOverDays(QDate from, QDate to) {
        MonthView &calendar = *window->MonthView1;
        QWidget *days = calendar.daysArea();
        const auto at = [&](QDate day) { return days->mapFrom(&calendar, calendar.dayRect(day).center()); };
        mouse(days, QEvent::MouseButtonPress, at(from), Qt::LeftButton, Qt::LeftButton);
        mouse(days, QEvent::MouseMove, at(to), Qt::NoButton, Qt::LeftButton);
        mouse(days, QEvent::MouseButtonRelease, at(to), Qt::LeftButton, Qt::NoButton);
    }

    static void mouse(QWidget *receiver, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QMouseEvent event(type, at, receiver->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(receiver, &event);
    }

    static void key(QWidget *receiver, int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(receiver, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
        QApplication::sendEvent(receiver, &release);
    }

    inline static const QDate kToday{2026, 3, 11};
    testing::ScriptedDialogs dialogs;
    std::unique_ptr<frmMain> window;
};
