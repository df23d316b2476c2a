#include "AnalysisFixture.h"

#include "analysis/frmStats.h"
#include "analysis/frmTabularData2.h"
#include "common/ScriptedDialogs.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>

#include <algorithm>

namespace {

QStringList headings(const QTableWidget *list) {
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->horizontalHeaderItem(column)->text();
    return texts;
}

QString rowText(const QTableWidget *list, int row, int columns) {
    QStringList fields;
    for (int column = 0; column < columns; ++column)
        fields << list->item(row, column)->text();
    return fields.join('\t') + "\r\n";
}

void selectRows(QTableWidget *list, std::initializer_list<int> rows) {
    list->clearSelection();
    for (const int row : rows)
        list->selectionModel()->select(list->model()->index(row, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void pressCtrl(QWidget *target, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
    QApplication::sendEvent(target, &press);
}

// The access keys that a window's menu titles, buttons, labels and frames have.
std::vector<QKeySequence> accessKeys(const QWidget &window) {
    QStringList captions;
    for (const QMenuBar *bar : window.findChildren<QMenuBar *>())
        for (const QAction *menu : bar->actions())
            captions << menu->text();
    for (const QAbstractButton *button : window.findChildren<QAbstractButton *>())
        captions << button->text();
    for (const QLabel *label : window.findChildren<QLabel *>())
        captions << label->text();
    for (const QGroupBox *frame : window.findChildren<QGroupBox *>())
        captions << frame->title();
    std::vector<QKeySequence> keys;
    for (const QString &caption : captions)
        if (const QKeySequence key = QKeySequence::mnemonic(caption); !key.isEmpty())
            keys.push_back(key);
    return keys;
}

using EditMenuTest = AnalysisFixture;

// A keyboard user finds Copy through an Edit menu that Alt and a key of its own open.
TEST_F(EditMenuTest, TheEditMenuOpensWithAnAccessKeyOfItsOwnInEveryLanguage) {
    gCurrentSessionKey = addGpsActivity(5);
    gGraphTable = {"Day\tDistance", "1\t2.5"};
    for (const int offset : {0, 1000, 2000, 3000, 4000}) {
        const QScopedValueRollback language(gLanguageOffset, offset);
        frmStats stats;
        frmTabularData2 table;
        for (const auto &[window, menu] : {std::pair<QWidget *, QMenu *>{&stats, stats.mnuFile},
                                           std::pair<QWidget *, QMenu *>{&table, table.mnu1}}) {
            const std::vector<QKeySequence> keys = accessKeys(*window);
            EXPECT_EQ(std::count(keys.begin(), keys.end(), QKeySequence::mnemonic(menu->title())), 1)
                << window->objectName().toStdString() << " in " << offset;
        }
    }
}

using StatsWindowTest = AnalysisFixture;

TEST_F(StatsWindowTest, ColumnsFollowPositionsAndJoinedHeartRate) {
    const struct {
        const char *name;
        SessionKey key;
        int columns;
        int heartRateColumn; // -1: none
    } cases[] = {
        {"speed", addSpeedActivity(1), 6, -1},
        {"heart rate with speed", addSpeedActivity(20), 7, 6},
        {"GPS", addGpsActivity(5), 12, -1},
        {"heart rate with GPS", addGpsActivity(20), 13, 7},
    };
    for (const auto &c : cases) {
        gCurrentSessionKey = c.key;
        frmStats window;
        const QStringList shown = headings(window.lstStats);
        EXPECT_EQ(shown.size(), c.columns) << c.name;
        EXPECT_EQ(shown.indexOf("Avg HR"), c.heartRateColumn) << c.name;
        EXPECT_EQ(window.lstStats->rowCount(), 4) << c.name; // start, 1, 2, end at 2.5 miles
        if (c.heartRateColumn >= 0) {
            EXPECT_EQ(window.lstStats->item(1, c.heartRateColumn)->text(), "120") << c.name;
        }
    }
}

TEST_F(StatsWindowTest, CopyGivesTheHeadingsAndTheSelectedRowsInOrder) {
    gCurrentSessionKey = addGpsActivity(5);
    frmStats window;
    ASSERT_EQ(window.lstStats->rowCount(), 4);
    const int columns = window.lstStats->columnCount();
    selectRows(window.lstStats, {3, 1});

    window.mnuEditCopy->trigger();

    EXPECT_EQ(clipboardText(), headings(window.lstStats).join('\t') + "\r\n" +
                                   rowText(window.lstStats, 1, columns) +
                                   rowText(window.lstStats, 3, columns));
    EXPECT_TRUE(clipboardText().startsWith("Marker\tSplit (hh:mm:ss)\t"));
}

TEST_F(StatsWindowTest, CtrlASelectsEveryRowAndCtrlCCopiesThem) {
    gCurrentSessionKey = addGpsActivity(5);
    frmStats window;
    pressCtrl(window.lstStats, Qt::Key_A);
    pressCtrl(window.cmbUnits, Qt::Key_C);
    EXPECT_EQ(clipboardText().count("\r\n"), 5);

    window.lstStats->clearSelection();
    pressCtrl(window.lstStats, Qt::Key_C);
    EXPECT_EQ(clipboardText(), headings(window.lstStats).join('\t') + "\r\n"); // as the headings alone
}

TEST_F(StatsWindowTest, AnotherMarkerIntervalRebuildsTheRows) {
    gCurrentSessionKey = addGpsActivity(5);
    frmStats window;
    EXPECT_EQ(window.cmbUnits->itemText(2), "1/4 mi");
    window.cmbUnits->setCurrentIndex(2);
    emit window.cmbUnits->activated(2);
    EXPECT_EQ(window.lstStats->rowCount(), 11); // start, nine quarters, the tenth at the end
}

TEST_F(StatsWindowTest, NoActivityAsksForOneAndShowsAnEmptyList) {
    gCurrentSessionKey = 0;
    testing::ScriptedDialogs dialogs;
    frmStats window;
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "Please select an activity.");
    EXPECT_EQ(window.lstStats->rowCount(), 0);
}

TEST_F(StatsWindowTest, AnActivityWithoutSpeedOrGpsSamplesShowsNoRows) {
    const SessionKey key = addActivity(0);
    addHeartRate(key, 20);
    gCurrentSessionKey = key;
    frmStats window;
    EXPECT_EQ(window.lstStats->rowCount(), 0);
    EXPECT_EQ(window.lstStats->columnCount(), 6);
}

using TableViewerTest = AnalysisFixture;

TEST_F(TableViewerTest, ATableWithAnEmptyHeadingShowsItsColumnsAndRows) {
    gGraphTable = {"\tValue", "a\t1", "b\t2"};
    frmTabularData2 window;
    EXPECT_EQ(headings(window.lstTabData), QStringList({"", "Value"}));
    ASSERT_EQ(window.lstTabData->rowCount(), 2);
    EXPECT_EQ(window.lstTabData->item(1, 1)->text(), "2");
    EXPECT_TRUE(window.lstTabData->showGrid());
}

TEST_F(TableViewerTest, AnEmptyHeadingLineShowsOneEmptyColumnAndNoRows) {
    gGraphTable = {"", "a\t1"};
    frmTabularData2 window;
    EXPECT_EQ(headings(window.lstTabData), QStringList({""}));
    EXPECT_EQ(window.lstTabData->rowCount(), 0);
}

TEST_F(TableViewerTest, CopyGivesTheSelectedRowsWithoutHeadings) {
    gGraphTable = {"Day\tDistance\tTime", "1\t2.5\t00:20", "2\t3", "3\t0\t00:00", "4\t5.25\t00:41\textra"};
    frmTabularData2 window;
    selectRows(window.lstTabData, {1, 3});
    window.mnuCopy->trigger();
    EXPECT_EQ(clipboardText(), "2\t3\t\r\n4\t5.25\t00:41\r\n");
}

TEST_F(TableViewerTest, CopyWithNothingSelectedLeavesTheClipboardAlone) {
    gGraphTable = {"Day\tDistance", "1\t2.5"};
    frmTabularData2 window;
    window.lstTabData->clearSelection();
    pressCtrl(window.lstTabData, Qt::Key_C);
    EXPECT_EQ(clipboardText(), "before");

    pressCtrl(window.lstTabData, Qt::Key_A);
    pressCtrl(window.Command1, Qt::Key_C);
    EXPECT_EQ(clipboardText(), "1\t2.5\r\n");
}

} // namespace
