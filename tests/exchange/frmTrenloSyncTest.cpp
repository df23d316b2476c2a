#include "exchange/frmTrenloSync.h"

#include "ExchangeFixture.h"
#include "LoopbackHttpServer.h"
#include "core/modRegistry.h"
#include "exchange/DataFileExport.h"

#include <QAccessible>
#include <QApplication>
#include <QDateEdit>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QTreeWidget>

#include <memory>

namespace {

using namespace exchangetest;

constexpr int kPatienceMs = 30000;
// Stored forms of "abc" and "secret" behind fixed leads.
const QString kStoredUser = "abcdefghi1adg";
const QString kStoredPassword = "ABCDEFGHI1sgguj{";

class TrenloSyncWindow : public ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        gPartnerUser = kStoredUser;
        gPartnerPassword = kStoredPassword;
        setAddress(service.address().toString());
        // Boxes opened by network events wait in their own event loop, as for a user.
        previousAnswers_ =
            platform::dialogs::setMessageHandler([this](const platform::dialogs::MessageRequest &box) {
                shown << box.text;
                QEventLoop waiting;
                QTimer::singleShot(20, &waiting, &QEventLoop::quit);
                waiting.exec();
                return platform::dialogs::Answer::Ok;
            });
    }
    void TearDown() override {
        window.reset();
        platform::dialogs::setMessageHandler(previousAnswers_);
        gPartnerUser.clear();
        gPartnerPassword.clear();
        ExchangeFixture::TearDown();
    }

    void setAddress(const QString &address) {
        ASSERT_EQ(
            modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "PartnerURL", "S", address),
            modRegistry::kSuccess);
    }

    SessionKey storeToday(DataFile::Activity activity, QTime time) {
        activity.session.start = QDateTime(QDate::currentDate(), time);
        return store(activity);
    }

    frmTrenloSync &open() {
        window = std::make_unique<frmTrenloSync>();
        window->show();
        return *window;
    }

    void tick(int row, bool ticked = true) {
        window->ListView1->topLevelItem(row)->setCheckState(0, ticked ? Qt::Checked : Qt::Unchecked);
    }

    static void type(QLineEdit *box, const QString &text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(box, &press);
        }
    }

    static void leave(QLineEdit *box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &out);
    }

    // Sends and waits until the window has closed or a problem was shown.
    void send() {
        const qsizetype before = shown.size();
        window->cmdOK->click();
        const QDeadlineTimer patience(kPatienceMs);
        while (window->isVisible() && shown.size() == before && !patience.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }

    bool credentialsShown() const {
        for (const QString &text : shown)
            if (text.contains("secret") || text.contains(kStoredUser) || text.contains(kStoredPassword))
                return true;
        return false;
    }

    testing::LoopbackHttpServer service;
    std::unique_ptr<frmTrenloSync> window;
    QStringList shown;

private:
    platform::dialogs::MessageHandler previousAnswers_;
};

TEST_F(TrenloSyncWindow, LoadingShowsTheStoredCredentialsAndTheLastWeek) {
    storeToday(heartRateOnly(), QTime(7, 0));
    storeToday(handEntered(), QTime(6, 0));
    store(joinedGps()); // long ago
    frmTrenloSync &sync = open();
    EXPECT_EQ(sync.txtUsername->text(), "abc");
    EXPECT_EQ(sync.txtPassword->text(), "secret");
    EXPECT_EQ(sync.txtPassword->echoMode(), QLineEdit::Password);
    EXPECT_EQ(sync.ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(sync.ListView1->columnCount(), 3);
    EXPECT_EQ(sync.ListView1->headerItem()->text(1), "Duration");
    EXPECT_EQ(sync.ListView1->topLevelItem(0)->text(2), "Easy run");
    EXPECT_FALSE(sync.cmdOK->isEnabled());
}

TEST_F(TrenloSyncWindow, TheProgressBarIsNamedInTheChosenLanguage) {
    for (const auto &[offset, name] :
         {std::pair{0, "Upload Progress"}, std::pair{1000, "Progression de l'envoi"}}) {
        const QScopedValueRollback language(gLanguageOffset, offset);
        frmTrenloSync &sync = open();
        EXPECT_EQ(
            QAccessible::queryAccessibleInterface(sync.ProgressBar1)->text(QAccessible::Name).toStdString(),
            name);
    }
}

TEST_F(TrenloSyncWindow, SendIsEnabledByTwoCredentialsAndATickedActivity) {
    storeToday(heartRateOnly(), QTime(7, 0));
    gPartnerUser.clear();
    gPartnerPassword.clear();
    frmTrenloSync &sync = open();
    type(sync.txtUsername, "abc");
    tick(0);
    EXPECT_FALSE(sync.cmdOK->isEnabled()) << "no password";
    type(sync.txtPassword, "x");
    EXPECT_TRUE(sync.cmdOK->isEnabled());
    tick(0, false);
    EXPECT_FALSE(sync.cmdOK->isEnabled()) << "nothing ticked";
    tick(0);
    QKeyEvent erase(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
    QApplication::sendEvent(sync.txtPassword, &erase);
    EXPECT_FALSE(sync.cmdOK->isEnabled()) << "the password erased";
}

TEST_F(TrenloSyncWindow, TheNoActivitiesRowNeverEnablesSend) {
    frmTrenloSync &sync = open();
    ASSERT_EQ(sync.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(sync.ListView1->topLevelItem(0)->text(0), "No Activities Today");
    tick(0);
    type(sync.txtPassword, "x");
    EXPECT_FALSE(sync.cmdOK->isEnabled());
}

TEST_F(TrenloSyncWindow, BlanksAreRefusedWithAMessage) {
    frmTrenloSync &sync = open();
    sync.txtUsername->clear();
    type(sync.txtUsername, "a b");
    sync.txtPassword->clear();
    type(sync.txtPassword, "c d");
    EXPECT_EQ(sync.txtUsername->text(), "ab");
    EXPECT_EQ(sync.txtPassword->text(), "cd");
    EXPECT_EQ(shown, (QStringList{"You may not use spaces in your username",
                                  "You may not use spaces in your password"}));
}

TEST_F(TrenloSyncWindow, LeavingABoxStoresItScrambled) {
    frmTrenloSync &sync = open();
    sync.txtUsername->clear();
    type(sync.txtUsername, "abc");
    leave(sync.txtUsername);
    EXPECT_EQ(gPartnerUser.mid(9), "1adg");
    EXPECT_NE(gPartnerUser, kStoredUser) << "a new lead";
    auto stored = gConn.prepare("select trenlocrypto, trenlocrypto2 from preferences");
    ASSERT_TRUE(stored.step());
    EXPECT_EQ(stored.columnText(0), gPartnerUser);
    EXPECT_EQ(stored.columnText(1), "") << "the password box was not left";
}

TEST_F(TrenloSyncWindow, AFailedSaveIsReportedWithoutTheCredentials) {
    frmTrenloSync &sync = open();
    gConn.executeScript(
        "create trigger refuse before update on preferences begin select raise(abort, 'disk is full'); end");
    leave(sync.txtPassword);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0], "There was a problem saving your Password: disk is full");
    EXPECT_EQ(gPartnerPassword, kStoredPassword);
}

TEST_F(TrenloSyncWindow, OneActivityIsSentBehindTheCredentialsLine) {
    const SessionKey key = storeToday(heartRateOnly(), QTime(7, 0));
    frmTrenloSync &sync = open();
    tick(0);
    send();
    ASSERT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(service.requests()[0].method, "POST");
    const QByteArray credentials = (kStoredUser + '^' + kStoredPassword + "\r\n").toLatin1();
    EXPECT_EQ(service.requests()[0].body, credentials + exchange::DataFileText(key));
    EXPECT_EQ(shown, QStringList{"Finished! All data has been transferred."});
    EXPECT_FALSE(sync.isVisible());
    EXPECT_EQ(sync.result(), QDialog::Accepted);
    EXPECT_EQ(sync.ProgressBar1->value(), 0);
}

TEST_F(TrenloSyncWindow, TwoActivitiesAreSeparatedByOneLineOfDashes) {
    const SessionKey first = storeToday(handEntered(), QTime(6, 0));
    storeToday(joinedGps(), QTime(7, 0)); // not ticked
    const SessionKey third = storeToday(heartRateOnly(), QTime(8, 0));
    open();
    tick(0);
    tick(2);
    send();
    ASSERT_EQ(service.requests().size(), 1u);
    const QByteArray credentials = (kStoredUser + '^' + kStoredPassword + "\r\n").toLatin1();
    EXPECT_EQ(service.requests()[0].body,
              credentials + exchange::DataFileText(first) + "----------\r\n" + exchange::DataFileText(third));
}

TEST_F(TrenloSyncWindow, CredentialsTypedJustNowAreStoredAndSent) {
    storeToday(heartRateOnly(), QTime(7, 0));
    frmTrenloSync &sync = open();
    QApplication::setActiveWindow(&sync);
    sync.txtUsername->setFocus();
    ASSERT_TRUE(sync.txtUsername->hasFocus());
    sync.txtUsername->clear();
    type(sync.txtUsername, "new");
    tick(0);
    send();
    ASSERT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(gPartnerUser.mid(9), "1ng{");
    EXPECT_TRUE(
        service.requests()[0].body.startsWith(gPartnerUser.toLatin1() + '^' + kStoredPassword.toLatin1()));
}

TEST_F(TrenloSyncWindow, AServerErrorIsReportedAndTheWindowStaysOpen) {
    testing::LoopbackHttpServer failing(500, "Internal Server Error");
    setAddress(failing.address().toString());
    storeToday(heartRateOnly(), QTime(7, 0));
    frmTrenloSync &sync = open();
    tick(0);
    type(sync.txtPassword, "x");
    send();
    EXPECT_EQ(failing.requests().size(), 1u);
    EXPECT_EQ(shown, QStringList{"There was a problem uploading: HTTP 500 Internal Server Error"});
    EXPECT_TRUE(sync.isVisible());
    EXPECT_TRUE(sync.cmdOK->isEnabled()) << "the athlete can send again";
    EXPECT_FALSE(credentialsShown());
}

TEST_F(TrenloSyncWindow, ARefusedConnectionIsReportedAndTheWindowStaysOpen) {
    setAddress(testing::LoopbackHttpServer::refusingAddress().toString());
    storeToday(heartRateOnly(), QTime(7, 0));
    frmTrenloSync &sync = open();
    tick(0);
    send();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("There was a problem uploading: ")) << shown[0].toStdString();
    EXPECT_TRUE(sync.isVisible());
    EXPECT_FALSE(credentialsShown());
}

TEST_F(TrenloSyncWindow, WithoutAnAddressNothingIsSent) {
    setAddress("");
    storeToday(heartRateOnly(), QTime(7, 0));
    frmTrenloSync &sync = open();
    tick(0);
    send();
    QCoreApplication::processEvents();
    EXPECT_EQ(service.connections(), 0);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains("PartnerURL"));
    EXPECT_TRUE(sync.isVisible());
}

TEST_F(TrenloSyncWindow, ARefilledListLosesItsTicksAndSendsNothing) {
    storeToday(heartRateOnly(), QTime(7, 0));
    frmTrenloSync &sync = open();
    tick(0);
    ASSERT_TRUE(sync.cmdOK->isEnabled());
    sync.DTPicker1->setDate(QDate::currentDate().addDays(-8));
    EXPECT_EQ(sync.ListView1->topLevelItem(0)->checkState(0), Qt::Unchecked);
    send();
    EXPECT_EQ(shown, QStringList{"No Activities Selected"});
    EXPECT_EQ(service.connections(), 0);
}

} // namespace
