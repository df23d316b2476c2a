#include "core/LocalizeForm.h"
#include "core/Globals.h"
#include "core/ImageControls.h"
#include "core/modLocalisation.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

using modLocalisation::FindString;
using modLocalisation::LocalizeForm;

namespace {

class LocalizeFormTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override { gLanguageOffset = GetParam(); }
    void TearDown() override { gLanguageOffset = 0; }

    // What a control shows after localisation: the table's text, or the design-time one.
    static QString expected(int baseId, const QString &designText) {
        return FindString(baseId + GetParam()).value_or(designText);
    }

    template <typename Control> Control *add(const QVariant &tag, const QString &designText = "design") {
        auto *control = new Control(&form);
        control->setProperty("text", designText);
        if (tag.isValid())
            control->setProperty("tag", tag);
        return control;
    }

    QWidget form;
};

TEST_P(LocalizeFormTest, CaptionsOfLabelsAndButtonsComeFromTheirTag) {
    auto *label = add<QLabel>(1565);
    auto *option = add<QRadioButton>(1300);
    auto *check = add<QCheckBox>(1300);
    auto *command = add<QPushButton>(1300);
    auto *frame = new QGroupBox("design", &form);
    frame->setProperty("tag", 1300);
    form.setProperty("tag", 1300);
    LocalizeForm(&form);
    EXPECT_EQ(label->text(), expected(1565, "design"));
    EXPECT_EQ(option->text(), expected(1300, "design"));
    EXPECT_EQ(check->text(), expected(1300, "design"));
    EXPECT_EQ(command->text(), expected(1300, "design"));
    EXPECT_EQ(frame->title(), expected(1300, "design"));
    EXPECT_EQ(form.windowTitle(), expected(1300, ""));
}

TEST_P(LocalizeFormTest, TextsWithoutAUsableIdKeepTheirDesign) {
    form.setWindowTitle("About Runvella");
    form.setProperty("tag", 1060); // English only: the other languages keep the design
    auto *empty = add<QLabel>("");
    auto *untagged = add<QLabel>(QVariant());
    auto *notANumber = add<QLabel>("Sport:");
    auto *unknown = add<QLabel>(1299);
    LocalizeForm(&form);
    EXPECT_EQ(form.windowTitle(), expected(1060, "About Runvella"));
    if (GetParam() != 0) {
        EXPECT_EQ(form.windowTitle(), "About Runvella");
    }
    for (QLabel *label : {empty, untagged, notANumber, unknown})
        EXPECT_EQ(label->text(), "design");
}

TEST_P(LocalizeFormTest, MenusTakeTheirIdFromTagOrCaption) {
    auto *bar = new QMenuBar(&form);
    QMenu *menu = bar->addMenu("&File");
    menu->menuAction()->setProperty("tag", 1300);
    QAction *byCaption = menu->addAction("1300");
    QAction *byTag = menu->addAction("E&xit");
    byTag->setProperty("tag", 1300);
    QAction *separator = menu->addSeparator();
    separator->setText("-");
    QAction *dashEntry = menu->addAction("-");
    LocalizeForm(&form);
    EXPECT_EQ(menu->title(), expected(1300, "&File"));
    EXPECT_EQ(byCaption->text(), expected(1300, "1300"));
    EXPECT_EQ(byTag->text(), expected(1300, "E&xit"));
    EXPECT_EQ(separator->text(), "-");
    EXPECT_EQ(dashEntry->text(), "-");
}

TEST_P(LocalizeFormTest, ImageShowsItsBitmapAndTheToolTipOfItsId) {
    auto *image = new ImageBox(&form);
    image->setProperty("tag", "1647");
    image->setToolTip("design");
    LocalizeForm(&form);
    ASSERT_FALSE(image->pixmap().isNull());
    EXPECT_EQ(image->pixmap().size(), ResourceBitmap(1647).size());
    EXPECT_EQ(image->toolTip(), expected(1647, "design"));
}

TEST_P(LocalizeFormTest, PictureBoxShowsItsBitmapWithoutToolTip) {
    auto *picture = new PictureBox(&form);
    picture->setProperty("tag", 1700);
    auto *missing = new PictureBox(&form);
    missing->setProperty("tag", 1300); // a string, but no bitmap
    missing->setText("design");
    LocalizeForm(&form);
    EXPECT_EQ(picture->pixmap().size(), ResourceBitmap(1700).size());
    EXPECT_TRUE(picture->toolTip().isEmpty());
    EXPECT_TRUE(missing->pixmap().isNull());
    EXPECT_EQ(missing->text(), "design");
}

TEST_P(LocalizeFormTest, TabsToolbarButtonsAndColumnHeaders) {
    auto *tabs = new QTabWidget(&form);
    tabs->addTab(new QWidget, "design");
    tabs->tabBar()->setTabData(0, QVariantMap{{"tag", 1300}, {"tooltipTag", 1300}});
    auto *toolbar = new QToolBar(&form);
    QAction *save = toolbar->addAction("design");
    save->setProperty("tag", 1300);
    auto *list = new QTreeWidget(&form);
    list->setHeaderLabels({"Date", "Duration"});
    list->headerItem()->setData(0, modLocalisation::kTagRole, 1300);
    LocalizeForm(&form);
    EXPECT_EQ(tabs->tabText(0), expected(1300, "design"));
    EXPECT_EQ(tabs->tabToolTip(0), expected(1300, ""));
    EXPECT_EQ(save->toolTip(), expected(1300, "design"));
    EXPECT_EQ(save->text(), save->toolTip()); // its name, which screen readers speak
    EXPECT_EQ(list->headerItem()->text(0), expected(1300, "Date"));
    EXPECT_EQ(list->headerItem()->text(1), "Duration");
}

TEST_P(LocalizeFormTest, OtherControlsNeedAPositiveId) {
    auto *zero = add<QToolButton>("0");
    zero->setProperty("tooltipTag", 0);
    zero->setToolTip("design");
    auto *positive = add<QToolButton>(1300);
    positive->setProperty("tooltipTag", "1300");
    LocalizeForm(&form);
    EXPECT_EQ(zero->text(), "design");
    EXPECT_EQ(zero->toolTip(), "design");
    EXPECT_EQ(positive->text(), expected(1300, "design"));
    EXPECT_EQ(positive->toolTip(), expected(1300, ""));
}

INSTANTIATE_TEST_SUITE_P(EachLanguage, LocalizeFormTest, ::testing::Values(0, 1000, 2000, 3000, 4000),
                         ::testing::PrintToStringParamName());

} // namespace
