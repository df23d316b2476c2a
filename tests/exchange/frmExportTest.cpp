#include "exchange/frmExport.h"
#include "ExchangeFixture.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableView>
#include <QTextCharFormat>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace exchangetest;

const QDate kDay(2026, 3, 9);

// Clicks a day from the 8th to the 22nd, which the calendar shows once, as the mouse does: below the
// day names and beside the week numbers.
void clickDay(QCalendarWidget &calendar, int day) {
    auto &days = *qobject_cast<QTableView *>(calendar.focusProxy());
    const QAbstractItemModel &cells = *days.model();
    const int firstDayColumn = calendar.verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
    for (int row = 1; row < cells.rowCount(); ++row) {
        for (int column = firstDayColumn; column < cells.columnCount(); ++column) {
            const QModelIndex cell = cells.index(row, column);
            if (cells.data(cell).toInt() != day)
                continue;
            const QPointF at = days.visualRect(cell).center();
            for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent event(type, at, days.viewport()->mapToGlobal(at), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QApplication::sendEvent(days.viewport(), &event);
            }
            return;
        }
    }
}

class ExportWindow : public ExchangeFixture {
protected:
    void SetUp() override {
        ExchangeFixture::SetUp();
        previousFiles_ =
            platform::dialogs::setFileHandler([this](const platform::dialogs::FileRequest &request) {
                asked.push_back(request);
                return answer;
            });
    }
    void TearDown() override {
        window.reset();
        platform::dialogs::setFileHandler(previousFiles_);
        gExportMode = 1;
        ExchangeFixture::TearDown();
    }

    frmExport &open(int mode, QDate day = kDay) {
        gExportMode = mode;
        window = std::make_unique<frmExport>();
        window->MonthView1->setSelectedDate(day);
        return *window;
    }

    void select(int row) { window->ListView1->topLevelItem(row)->setSelected(true); }

    QString path(const char *name) const { return QDir(home.path()).filePath(name); }

    std::unique_ptr<frmExport> window;
    std::vector<platform::dialogs::FileRequest> asked;
    QString answer;

private:
    platform::dialogs::FileHandler previousFiles_;
};

TEST_F(ExportWindow, ADayWithoutActivitiesSaysSo) {
    frmExport &shown = open(1, kDay.addDays(1));
    ASSERT_EQ(shown.ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(shown.ListView1->headerItem()->text(0), "Activities");
    EXPECT_EQ(shown.ListView1->topLevelItem(0)->text(0), "No Activities Today");
    select(0);
    EXPECT_FALSE(shown.cmdExport->isEnabled());
    EXPECT_TRUE(shown.Label1->isHidden());
}

TEST_F(ExportWindow, NmeaListsOnlyActivitiesWithGpsSamples) {
    store(heartRateOnly()); // on kDay
    frmExport &nmea = open(2);
    EXPECT_EQ(nmea.ListView1->columnCount(), 3);
    EXPECT_EQ(nmea.ListView1->topLevelItemCount(), 0);
    EXPECT_FALSE(nmea.Label1->isHidden());
    EXPECT_TRUE(nmea.chkCompat->isHidden());

    store(joinedGps());
    frmExport &again = open(2);
    EXPECT_EQ(again.ListView1->topLevelItemCount(), 1);
    EXPECT_TRUE(again.Label1->isHidden());

    frmExport &dataFile = open(1);
    EXPECT_EQ(dataFile.ListView1->topLevelItemCount(), 2);
    EXPECT_FALSE(dataFile.chkCompat->isHidden());
}

TEST_F(ExportWindow, TheNoticeIsHiddenAtLoadingWhateverTodayHolds) {
    DataFile::Activity today = heartRateOnly();
    today.session.start = QDateTime(QDate::currentDate(), QTime(6, 0));
    store(today);
    gExportMode = 2;
    window = std::make_unique<frmExport>();
    EXPECT_EQ(window->ListView1->topLevelItemCount(), 0);
    EXPECT_TRUE(window->Label1->isHidden());
}

TEST_F(ExportWindow, DaysWithActivitiesAreBold) {
    store(heartRateOnly());
    frmExport &shown = open(1);
    EXPECT_EQ(shown.MonthView1->dateTextFormat(kDay).fontWeight(), QFont::Bold);
    EXPECT_NE(shown.MonthView1->dateTextFormat(kDay.addDays(1)).fontWeight(), QFont::Bold);
}

TEST_F(ExportWindow, AnArrowChoosesADayAndKeepsTheFocusWhereAClickHandsItToTheList) {
    store(heartRateOnly()); // on kDay
    frmExport &shown = open(1, kDay.addDays(-1));
    shown.show();
    QApplication::setActiveWindow(&shown);
    QWidget *days = shown.MonthView1->focusProxy();
    days->setFocus();
    QKeyEvent right(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier);
    QApplication::sendEvent(days, &right);
    EXPECT_EQ(shown.ListView1->topLevelItemCount(), 1) << "the day's activity";
    EXPECT_EQ(QApplication::focusWidget(), days);

    clickDay(*shown.MonthView1, kDay.day() + 1);
    EXPECT_EQ(shown.MonthView1->selectedDate(), kDay.addDays(1));
    EXPECT_EQ(QApplication::focusWidget(), shown.ListView1);
}

TEST_F(ExportWindow, SelectedRowIsExportedUnderTheOfferedName) {
    const QDate day(2026, 3, 7);
    for (const char *start : {"2026-03-07 06:00:00", "2026-03-07 07:00:00", "2026-03-07 08:00:00"}) {
        DataFile::Activity activity = joinedGps();
        activity.session.start = QDateTime::fromString(start, "yyyy-MM-dd HH:mm:ss");
        store(activity);
    }
    for (const auto &[mode, name] :
         {std::pair{1, "Runvella_3_3-7-2026.csv"}, std::pair{2, "Runvella_3_3-7-2026.txt"}}) {
        frmExport &shown = open(mode, day);
        EXPECT_FALSE(shown.cmdExport->isEnabled());
        select(2);
        EXPECT_TRUE(shown.cmdExport->isEnabled());
        EXPECT_EQ(shown.DefaultFileName(), name);
        answer = path(name);
        shown.chkCompat->setChecked(true);
        asked.clear();
        shown.cmdExport->click();

        ASSERT_EQ(asked.size(), 1u);
        EXPECT_EQ(asked.back().caption, "Export Runvella Activity");
        EXPECT_TRUE(asked.back().directory.endsWith("/data/" + QString(name)))
            << asked.back().directory.toStdString();
        EXPECT_EQ(shown.result(), QDialog::Accepted);
    }
    const QString dataFile = QString::fromLatin1(contents(path("Runvella_3_3-7-2026.csv")));
    EXPECT_TRUE(dataFile.contains("Sessiondate=3/7/2026 08:00:00"));
    EXPECT_TRUE(dataFile.contains("\r\nduration(s),hr,speed(mph),distance(mi),data_flag\r\n"))
        << "basic data only";
    EXPECT_TRUE(contents(path("Runvella_3_3-7-2026.txt")).startsWith("$GPGGA,"));
}

TEST_F(ExportWindow, CancellingTheSaveDialogWritesNothing) {
    store(heartRateOnly());
    frmExport &shown = open(1);
    select(0);
    answer.clear();
    shown.cmdExport->click();
    EXPECT_EQ(shown.result(), QDialog::Rejected);
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ExportWindow, TheSaveDialogOffersTheFileTypesInTheChosenLanguage) {
    store(joinedGps());
    const struct {
        int offset;
        int mode;
        const char *filter;
    } cases[] = {
        {0, 1, "Runvella Files (*.csv);;All Files (*)"},
        {0, 2, "NMEA Files (*.txt);;All Files (*)"},
        {1000, 1, "Fichiers Runvella (*.csv);;Tous les fichiers (*)"},
        {2000, 2, "Archivos NMEA (*.txt);;Todos los archivos (*)"},
        {3000, 1, "Runvella-Dateien (*.csv);;Alle Dateien (*)"},
        {4000, 2, "File NMEA (*.txt);;Tutti i file (*)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.filter);
        const QScopedValueRollback language(gLanguageOffset, c.offset);
        open(c.mode);
        select(0);
        answer.clear();
        window->cmdExport->click();
        ASSERT_FALSE(asked.empty());
        EXPECT_EQ(asked.back().filter, c.filter);
    }
}

TEST_F(ExportWindow, AFileThatCannotBeWrittenIsReported) {
    store(heartRateOnly());
    frmExport &shown = open(1);
    select(0);
    answer = path("gone/run.csv");
    shown.cmdExport->click();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].text, "The file " + answer + " could not be written. Nothing was exported.");
    EXPECT_FALSE(QFileInfo::exists(answer));
}

} // namespace
