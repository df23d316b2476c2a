#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLibraryInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QTranslator>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

using platform::dialogs::FileDialogKind;

struct Shown {
    QStringList cutHeadings;
    bool wasFileDialog = false;
};

// Reads the headings of the real dialog from inside its own event loop, then cancels it.
void readHeadingsAndCancel(Shown &shown) {
    auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
    if (!dialog) {
        QTimer::singleShot(10, [&shown] { readHeadingsAndCancel(shown); });
        return;
    }
    shown.wasFileDialog = true;
    const QTreeView &list = *dialog->findChild<QTreeView *>("treeView");
    const QHeaderView &headings = *list.header();
    for (int column = 0; column < headings.count(); ++column) {
        const QString heading = headings.model()->headerData(column, Qt::Horizontal).toString();
        if (headings.sectionSize(column) < headings.sectionSizeHint(column) ||
            headings.sectionViewportPosition(column) + headings.sectionSize(column) >
                list.viewport()->width())
            shown.cutHeadings << heading;
    }
    dialog->reject();
}

Shown showRealFileDialog(FileDialogKind kind, const QString &folder) {
    Shown shown;
    const auto answers = platform::dialogs::setFileHandler({});
    QTimer::singleShot(0, [&shown] { readHeadingsAndCancel(shown); });
    const QString chosen = kind == FileDialogKind::Save
                               ? platform::dialogs::saveFileName("Save", folder + "/a.csv", "Files (*.csv)")
                               : platform::dialogs::openFileName("Open", folder, "Files (*.csv)");
    platform::dialogs::setFileHandler(answers);
    EXPECT_TRUE(chosen.isEmpty());
    return shown;
}

TEST(FileDialogTest, OpensWithItsColumnHeadingsWholeInEveryLanguage) {
    const QTemporaryDir folder;
    for (const auto language :
         {QLocale::English, QLocale::French, QLocale::Spanish, QLocale::German, QLocale::Italian}) {
        for (const auto kind : {FileDialogKind::Open, FileDialogKind::Save}) {
            SCOPED_TRACE(QLocale::languageToCode(language).toStdString());
            QTranslator toolkit;
            if (language != QLocale::English) {
                ASSERT_TRUE(toolkit.load(QLocale(language), "qtbase", "_",
                                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
                QCoreApplication::installTranslator(&toolkit);
            }
            // Each dialog as on its first showing, not as the one before it left its columns.
            QSettings(QSettings::UserScope, "QtProject").remove("FileDialog");
            const Shown shown = showRealFileDialog(kind, folder.path());
            QCoreApplication::removeTranslator(&toolkit);
            EXPECT_TRUE(shown.wasFileDialog);
            EXPECT_TRUE(shown.cutHeadings.isEmpty()) << shown.cutHeadings.join(", ").toStdString();
        }
    }
}

} // namespace
