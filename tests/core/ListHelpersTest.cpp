#include "core/DatabaseFixture.h"
#include "core/modHelpersLists.h"
#include "core/modLocalisation.h"

#include <QComboBox>
#include <QListWidget>
#include <QScopedValueRollback>

using namespace modHelpers;
using modLocalisation::LoadResString;

namespace {

TEST(TranslateSportName, BuiltInNamesWithoutRegardToCaseOthersUnchanged) {
    gLanguageOffset = 3000;
    EXPECT_EQ(TranslateSportName("Skiing - XC"), LoadResString(1376));
    EXPECT_EQ(TranslateSportName("swimming"), LoadResString(1378));
    gLanguageOffset = 0;
    EXPECT_EQ(TranslateSportName("BICYCLING"), LoadResString(1369));
    EXPECT_EQ(TranslateSportName("Curling"), "Curling");
    EXPECT_EQ(TranslateSportName("skiing-xc"), "skiing-xc");
}

class SportsListTest : public DatabaseFixture {
protected:
    void SetUp() override {
        DatabaseFixture::SetUp();
        // Beside the eleven built-in sports (keys 1 to 11).
        gConn.executeScript("insert into sports (prkey, Description) values (15, 'RUNNING');"
                            "insert into sports (prkey, Description) values (13, 'Curling');");
        gPrimarySport = 15;
    }
    void TearDown() override {
        gPrimarySport = 0;
        DatabaseFixture::TearDown();
    }
};

TEST_F(SportsListTest, SportsComeInKeyOrderWithThePreferredOneSelected) {
    QComboBox combo;
    FillSportsList(combo);
    ASSERT_EQ(combo.count(), 13);
    EXPECT_EQ(combo.itemText(0), LoadResString(1368));
    EXPECT_EQ(combo.itemText(11), "Curling");
    EXPECT_EQ(combo.itemText(12), LoadResString(1370));
    EXPECT_EQ(combo.itemData(11).toLongLong(), 13);
    EXPECT_EQ(combo.currentIndex(), 12);

    QListWidget list;
    FillSportsList(list);
    ASSERT_EQ(list.count(), 13);
    EXPECT_EQ(list.item(12)->data(Qt::UserRole).toLongLong(), 15);
    EXPECT_EQ(list.currentRow(), 12);
}

TEST_F(SportsListTest, WithoutSelectingNothingIsSelectedAndTheListIsNotEmptiedFirst) {
    QComboBox combo;
    FillSportsList(combo, false);
    EXPECT_EQ(combo.currentIndex(), -1);
    FillSportsList(combo);
    EXPECT_EQ(combo.count(), 26);
    EXPECT_EQ(combo.currentIndex(), 25);

    QListWidget list;
    list.addItem("kept");
    FillSportsList(list, false);
    EXPECT_EQ(list.count(), 14);
    EXPECT_EQ(list.currentRow(), -1);
}

TEST(FillDistanceUnitList, AddsTheFiveCodesAndSelectsTheGivenOne) {
    const struct {
        QString code;
        int index;
    } cases[] = {{"mi", 0}, {"km", 1}, {"m", 2}, {"yd", 3}, {"nm", 4}, {"MI", -1}, {"", -1}, {QString(), -1}};
    for (const auto &c : cases) {
        QComboBox combo;
        FillDistanceUnitList(combo, c.code);
        ASSERT_EQ(combo.count(), 5);
        EXPECT_EQ(combo.itemText(3), "yd");
        EXPECT_EQ(combo.currentIndex(), c.index) << c.code.toStdString();

        QListWidget list;
        FillDistanceUnitList(list, c.code);
        ASSERT_EQ(list.count(), 5);
        EXPECT_EQ(list.item(4)->text(), "nm");
        EXPECT_EQ(list.currentRow(), c.index) << c.code.toStdString();
    }
}

TEST(FillDistanceUnitList, ShowsTheUnitsInTheChosenLanguageAndKeepsTheirCodes) {
    const QScopedValueRollback<int> german(gLanguageOffset, 3000);
    QComboBox combo;
    FillDistanceUnitList(combo, "nm");
    EXPECT_EQ(combo.currentText(), "sm");
    EXPECT_EQ(combo.currentData().toString(), "nm");
}

} // namespace
