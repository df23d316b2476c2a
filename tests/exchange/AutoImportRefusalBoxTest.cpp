#include "AutoImportFixture.h"
#include "core/Globals.h"
#include "core/modLocalisation.h"
#include "exchange/ExchangeWindows.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace exchangetest;

struct SeenBox {
    QRect screen;
    QRect box;
    QRect ok; // on the screen, as the box
    QString okCaption;
    QStringList entries;
    QString entriesName; // what a screen reader calls the list
    bool entriesFocused = false;
};

// Reads the box that opens next from inside its own event loop, then presses its OK button.
void closeSeen(SeenBox &seen) {
    QWidget *box = QApplication::activeModalWidget();
    if (!box) {
        QTimer::singleShot(10, [&seen] { closeSeen(seen); });
        return;
    }
    seen.screen = box->screen()->availableGeometry();
    seen.box = box->frameGeometry();
    QPushButton *ok = box->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    seen.ok = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
    seen.okCaption = ok->text();
    if (const auto *list = box->findChild<QListWidget *>()) {
        for (int row = 0; row < list->count(); ++row)
            seen.entries << list->item(row)->text();
        seen.entriesName = list->accessibleName();
        seen.entriesFocused = box->focusWidget() == list;
    }
    ok->click();
}

// Files of another user in a shared folder come back at every start, a thousand of them maybe: the
// box that names them stays on the screen with its OK button in view, in every language, and
// lists each file, the list taking the keys first under the name of what the box says.
TEST_F(AutoImport, ManyFilesThatCannotBeTakenAreListedInABoxThatFitsTheScreen) {
    constexpr int kFiles = 1000;
    QStringList named;
    for (int file = 0; file < kFiles; ++file) {
        put(untakeableName(file), "");
        named << waiting(untakeableName(file)) + '\n' + qt_error_string(ENAMETOOLONG);
    }
    const auto answers = platform::dialogs::setMessageHandler({});
    for (const int offset : {0, 1000, 2000, 3000, 4000}) {
        SCOPED_TRACE(offset);
        gLanguageOffset = offset;
        modLocalisation::LocalizeDialogButtons();
        SeenBox seen;
        QTimer::singleShot(0, [&seen] { closeSeen(seen); });

        exchange::AutoImportFiles();

        EXPECT_TRUE(seen.screen.contains(seen.box)) << seen.box.height() << " pixels tall";
        EXPECT_TRUE(seen.box.contains(seen.ok));
        EXPECT_EQ(seen.okCaption, modLocalisation::LoadResString(1421));
        EXPECT_EQ(QSet<QString>(seen.entries.begin(), seen.entries.end()),
                  QSet<QString>(named.begin(), named.end()));
        EXPECT_EQ(seen.entriesName, modLocalisation::LoadResString(1986));
        EXPECT_TRUE(seen.entriesFocused);
    }
    platform::dialogs::setMessageHandler(answers);
    platform::dialogs::setButtonTexts({});
}

} // namespace
