#include "mainwindow/frmMain.h"
#include "common/OtherThread.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/ImageControls.h"
#include "core/modInstance.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "platform/LocalMessage.h"

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace {

class frmMainTest : public DatabaseFixture {
protected:
    void TearDown() override {
        gIsUnitedStates = true;
        gLanguageOffset = 0;
        DatabaseFixture::TearDown();
    }

    static void setSize(const char *name, int twips) {
        modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, name, "D", twips);
    }

    static int storedSize(const char *name) {
        QVariant value = -1;
        modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, name, "D", -1, value);
        return value.toInt();
    }

    static int pixels(const QWidget &window, int twips) { return twips * window.logicalDpiY() / 1440; }

    frmMain window;
};

TEST_F(frmMainTest, SizeComesFromTheSettingsOrTheDefault) {
    setSize("Height", 0);
    setSize("Width", -5);
    window.Form_Load();
    EXPECT_EQ(window.size(), QSize(pixels(window, 9465), pixels(window, 8800)));

    frmMain sized;
    setSize("Height", 9600);
    setSize("Width", 12000);
    sized.Form_Load();
    EXPECT_EQ(sized.size(), QSize(pixels(sized, 12000), pixels(sized, 9600)));
    sized.close();
}

TEST_F(frmMainTest, AnOversizedStoredSizeGivesTheLargestWindow) {
    setSize("Height", 2000000000);
    setSize("Width", 2000000000);
    window.Form_Load();
    EXPECT_EQ(window.size(), window.maximumSize());
}

TEST_F(frmMainTest, ClosingStoresTheSizeThatTheNextStartRestores) {
    window.Form_Load();
    window.show();
    window.resize(700, 640);
    window.close();
    EXPECT_EQ(storedSize("Width"), 700 * 1440 / window.logicalDpiY());
    EXPECT_EQ(storedSize("Height"), 640 * 1440 / window.logicalDpiY());

    frmMain next;
    next.Form_Load();
    EXPECT_EQ(next.size(), QSize(700, 640));
    next.close();
}

TEST_F(frmMainTest, ClosingMaximisedOrMinimisedKeepsTheStoredSize) {
    setSize("Height", 7000);
    setSize("Width", 9000);
    window.Form_Load();
    window.show();
    window.setWindowState(Qt::WindowMaximized);
    window.close();
    frmMain minimised;
    minimised.Form_Load();
    minimised.show();
    minimised.setWindowState(Qt::WindowMinimized);
    minimised.close();
    EXPECT_EQ(storedSize("Height"), 7000);
    EXPECT_EQ(storedSize("Width"), 9000);
}

TEST_F(frmMainTest, InterruptedTransferIsReportedOnceAndCleared) {
    gConn.executeScript("update preferences set transfer_progress = 3, UseSmoothing = 1");
    {
        testing::ScriptedDialogs dialogs;
        window.Form_Load();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text, modLocalisation::LoadResString(1522));
        EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
        EXPECT_EQ(dialogs.shown()[0].icon, platform::dialogs::Icon::Information);
    }
    EXPECT_EQ(scalar("select transfer_progress from preferences"), 0);
    EXPECT_TRUE(gUseSmoothing);

    frmMain next; // no notice now: an unexpected message box fails the test
    next.Form_Load();
}

TEST_F(frmMainTest, TheZonesNoticeKeepsTheEnteredZonesOnce) {
    gConn.executeScript("update preferences set computezonesusing = 'age'");
    setSize("ZoneMsg", 1);
    {
        testing::ScriptedDialogs dialogs;
        window.Form_Load();
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text, modLocalisation::LoadResString(1720));
        EXPECT_EQ(dialogs.shown()[0].icon, platform::dialogs::Icon::Information);
    }
    auto zones = gConn.prepare("select computezonesusing from preferences");
    ASSERT_TRUE(zones.step());
    EXPECT_EQ(zones.columnText(0), "man");
    EXPECT_EQ(gComputeZonesUsing, "man");
    EXPECT_EQ(storedSize("ZoneMsg"), 0);

    frmMain next; // no notice now: an unexpected message box fails the test
    next.Form_Load();
}

TEST_F(frmMainTest, ListensForTheRecorderUntilClosed) {
    using platform::localmessage::Delivery;
    constexpr std::chrono::milliseconds patience(10000);
    window.Form_Load();
    EXPECT_TRUE(window.Hooked);
    // A second start's text, which only brings the window forward, stands for the recorder's.
    EXPECT_EQ(testing::fromAnotherThread([patience] {
                  return platform::localmessage::send(modInstance::kSocketName,
                                                      modInstance::CommandLineMessage(""), patience);
              }),
              Delivery::Taken);
    window.close();
    EXPECT_FALSE(window.Hooked);
    EXPECT_EQ(
        platform::localmessage::send(modInstance::kSocketName, modInstance::kConnectedMessage, patience),
        Delivery::NotTaken);
}

TEST_F(frmMainTest, OutsideTheUnitedStatesThePromotionsAreHidden) {
    gIsUnitedStates = false;
    window.Form_Load();
    for (int index : {0, 1, 2})
        EXPECT_TRUE(window.resImage[index]->isHidden()) << index;
    EXPECT_TRUE(window.ImgInternational->isHidden());
    EXPECT_FALSE(window.mnuUpload->isVisible());
    EXPECT_FALSE(window.mnuFileBar000->isVisible());
    for (int index : {3, 4, 5})
        EXPECT_FALSE(window.resImage[index]->isHidden()) << index;
}

TEST_F(frmMainTest, MenuSeparatorsAreLinesWithoutText) {
    window.Form_Load();
    int separators = 0;
    for (QMenu *menu : {window.mnuFile, window.mnuView, window.mnuHelp}) {
        for (QAction *entry : menu->actions()) {
            if (!entry->isSeparator())
                continue;
            ++separators;
            EXPECT_EQ(entry->text(), "") << entry->objectName().toStdString();
        }
    }
    EXPECT_EQ(separators, 5);
}

TEST_F(frmMainTest, MenusAndLinksSpeakTheChosenLanguage) {
    gLanguageOffset = 3000;
    window.Form_Load();
    for (QAction *action : window.findChildren<QAction *>()) {
        const QVariant tag = action->property("tag");
        if (!tag.isValid() || !modLocalisation::FindString(tag.toInt() + 3000))
            continue;
        const bool onToolbar = action->parent() == window.Toolbar2;
        EXPECT_EQ(onToolbar ? action->toolTip() : action->text(),
                  *modLocalisation::FindString(tag.toInt() + 3000))
            << action->objectName().toStdString();
    }
    EXPECT_EQ(window.mnuFile->title(), modLocalisation::FindString(4301).value_or("&File"));
    EXPECT_EQ(window.resImage[4]->toolTip(), modLocalisation::FindString(4609).value_or(QString()));
    EXPECT_EQ(window.resImage[4]->pixmap().size(), ResourceBitmap(1609).size());
}

// The picture links, the chart's tools and the calendar's month buttons show no words: screen
// readers speak their tool tips, or what the buttons do, and Tab reaches the links and tools.
TEST_F(frmMainTest, EveryButtonAndLinkIsNamedInTheChosenLanguageAndTabReachesThem) {
    gLanguageOffset = 1000;
    window.Form_Load();
    const auto name = [](QWidget *control) {
        return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
    };
    std::vector<std::pair<QWidget *, int>> tabbed{
        {window.resImage[0], 1605},     {window.resImage[1], 1606},  {window.resImage[2], 1607},
        {window.resImage[3], 1608},     {window.resImage[4], 1609},  {window.resImage[5], 1611},
        {window.resImage[6], 1610},     {window.resImagePlot, 1647}, {window.resSummary, 1690},
        {window.ImgInternational, 1607}};
    for (QAction *tool : window.Toolbar2->actions())
        tabbed.push_back({window.Toolbar2->widgetForAction(tool), tool->property("tag").toInt()});
    ASSERT_EQ(tabbed.size(), 13u);
    for (const auto &[control, id] : tabbed) {
        EXPECT_EQ(name(control), modLocalisation::LoadResString(id)) << id;
        EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << id;
    }
    EXPECT_EQ(name(window.MonthView1->findChild<QWidget *>("qt_calendar_prevmonth")), "Mois précédent");
    EXPECT_EQ(name(window.MonthView1->findChild<QWidget *>("qt_calendar_nextmonth")), "Mois suivant");
}

} // namespace
