#include "preferences/frmActivityList.h"

#include "common/ActivityBuilder.h"
#include "common/ScriptedDialogs.h"
#include "core/DatabaseFixture.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "preferences/frmOptions.h"
#include "transfer/ModalResponder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include <optional>

namespace {

using modLocalisation::LoadResString;
using platform::dialogs::Answer;

// The eleven shipped sports, then two that the athlete added: Orienteering (12) and Curling (13).
class SportsEditorTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        for (const char *sport : {"Orienteering", "Curling"})
            gConn.prepare("insert into sports (Description) values (?)").bindAll(sport).execute();
        for (const int sport : {12, 12, 12, 2})
            testing::ActivityBuilder().sport(sport).store(gConn);
        modPreferences::LoadPreferences();
        editor.emplace();
    }

    void choose(const char *sport) {
        editor->Combo1->setCurrentIndex(editor->Combo1->findText(sport));
        ASSERT_GE(editor->Combo1->currentIndex(), 0) << sport;
    }

    QStringList texts() {
        QStringList shown;
        for (const auto &request : dialogs.shown())
            shown << request.text;
        return shown;
    }

    std::int64_t sportsOf(int key) {
        return scalar(("select count(*) from sessions where Sport = " + std::to_string(key)).c_str());
    }

    testing::ScriptedDialogs dialogs;
    std::optional<frmActivityList> editor;
};

TEST_F(SportsEditorTest, OpensWithThePreferredSportChosenAndNamed) {
    EXPECT_EQ(editor->Combo1->count(), 13);
    EXPECT_EQ(editor->Combo1->currentText(), "General");
    EXPECT_EQ(editor->Label4->text(), "General");
    EXPECT_EQ(editor->windowTitle(), LoadResString(1443));
}

TEST_F(SportsEditorTest, ANameIsAddedAsTypedAndListedLastAndCanBeDeletedButBlanksAreRefused) {
    editor->Text1->setText("   ");
    editor->Command1->click();
    EXPECT_EQ(texts(), QStringList{LoadResString(1596)});
    EXPECT_EQ(scalar("select count(*) from sports"), 13);

    editor->Text1->setText(" Hiking ");
    editor->Command1->click();
    EXPECT_EQ(scalar("select count(*) from sports where prkey = 14 and Description = ' Hiking '"), 1);
    EXPECT_EQ(editor->Combo1->itemText(13), " Hiking ");
    EXPECT_TRUE(editor->Text1->text().isEmpty());
    EXPECT_EQ(editor->Combo1->currentText(), "General");

    choose(" Hiking ");
    dialogs.answer(Answer::Yes);
    editor->Command2->click();
    EXPECT_EQ(scalar("select count(*) from sports"), 13);
}

TEST_F(SportsEditorTest, TheElevenBuiltInSportsAndNoChoiceAreRefused) {
    for (int position : {0, 10, -1}) {
        editor->Combo1->setCurrentIndex(position);
        editor->Command2->click();
    }
    EXPECT_EQ(texts(), QStringList(3, LoadResString(1598)));
    EXPECT_EQ(scalar("select count(*) from sports"), 13);
}

TEST_F(SportsEditorTest, DeletingASportInUseMovesItsActivitiesToGeneral) {
    choose("Orienteering");
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Ok);

    editor->Command2->click();

    EXPECT_EQ(texts(),
              (QStringList{"(Orienteering) - " + LoadResString(1595),
                           LoadResString(1593) + " Orienteering " + LoadResString(1594) + " General"}));
    EXPECT_EQ(scalar("select count(*) from sports where prkey = 12"), 0);
    EXPECT_EQ(sportsOf(12), 0);
    EXPECT_EQ(sportsOf(1), 3);
    EXPECT_EQ(sportsOf(2), 1);
    EXPECT_EQ(editor->Combo1->count(), 12);
    EXPECT_EQ(gPrimarySport, 1);
}

TEST_F(SportsEditorTest, CancellingTheMoveChangesNothing) {
    gConn.executeScript("update preferences set Primary_Sport = 12");
    modPreferences::LoadPreferences();
    choose("Orienteering");
    dialogs.answer(Answer::Yes);
    dialogs.answer(Answer::Cancel);

    editor->Command2->click();

    ASSERT_EQ(texts().size(), 3);
    EXPECT_EQ(texts()[2], LoadResString(1597));
    EXPECT_EQ(scalar("select count(*) from sports"), 13);
    EXPECT_EQ(sportsOf(12), 3);
    EXPECT_EQ(scalar("select Primary_Sport from preferences"), 12);
    EXPECT_EQ(gPrimarySport, 12);
}

TEST_F(SportsEditorTest, AnsweringNoDeletesNothing) {
    choose("Curling");
    dialogs.answer(Answer::No);
    editor->Command2->click();
    EXPECT_EQ(texts().size(), 1);
    EXPECT_EQ(scalar("select count(*) from sports"), 13);
}

TEST_F(SportsEditorTest, DeletingThePreferredSportMakesGeneralPreferred) {
    gConn.executeScript("update preferences set Primary_Sport = 13");
    modPreferences::LoadPreferences();
    frmActivityList opened;
    EXPECT_EQ(opened.Label4->text(), "Curling");
    QStringList preferred;
    QObject::connect(&opened, &frmActivityList::preferredSportChanged,
                     [&](const QString &name) { preferred << name; });
    dialogs.answer(Answer::Yes);

    opened.Command2->click();

    EXPECT_EQ(texts(), (QStringList{"(Curling) - " + LoadResString(1595), LoadResString(1592) + " General"}));
    EXPECT_EQ(scalar("select count(*) from sports where prkey = 13"), 0);
    EXPECT_EQ(scalar("select Primary_Sport from preferences"), 1);
    EXPECT_EQ(gPrimarySport, 1);
    EXPECT_EQ(opened.Label4->text(), "General");
    EXPECT_EQ(preferred, QStringList{"General"});
    EXPECT_EQ(opened.Combo1->currentText(), "General");
}

TEST_F(SportsEditorTest, SettingThePreferredSportStoresItAtOnceAndKeepsItChosen) {
    QStringList preferred;
    QObject::connect(&*editor, &frmActivityList::preferredSportChanged,
                     [&](const QString &name) { preferred << name; });
    choose("Curling");

    editor->Command3->click();

    EXPECT_EQ(scalar("select Primary_Sport from preferences"), 13);
    EXPECT_EQ(gPrimarySport, 13);
    EXPECT_EQ(editor->Label4->text(), "Curling");
    EXPECT_EQ(preferred, QStringList{"Curling"});
    EXPECT_EQ(editor->Combo1->currentText(), "Curling");
    EXPECT_EQ(editor->Combo1->count(), 13);
}

TEST_F(SportsEditorTest, ThePreferencesWindowOpensTheEditorAndShowsTheNewPreferredSport) {
    gConn.executeScript("alter table weeklyData add totalAltitude number");
    frmOptions options;
    EXPECT_EQ(options.Label12->text(), "General");
    testing::ModalResponder windows;
    windows.then([](QDialog &window) {
        auto &sports = static_cast<frmActivityList &>(window);
        sports.Combo1->setCurrentIndex(sports.Combo1->findText("Curling"));
        sports.Command3->click();
        sports.Command4->click();
    });

    options.Command1->click();

    EXPECT_EQ(windows.shown(), QStringList{"frmActivityList"});
    EXPECT_EQ(options.Label12->text(), "Curling");
}

} // namespace
