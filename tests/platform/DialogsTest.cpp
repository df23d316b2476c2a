#include "platform/Dialogs.h"
#include "common/RealMessageBox.h"

#include <gtest/gtest.h>

namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;

TEST(DialogsTest, MessageBoxesShowTheGivenCaptionsAndStillAnswerByButton) {
    platform::dialogs::setButtonTexts({"D'accord", "Annuler", "&Oui", "&Non"});
    const struct {
        Buttons buttons;
        QStringList captions;
        Answer pressedLast;
    } cases[] = {
        {Buttons::Ok, {"D'accord"}, Answer::Ok},
        {Buttons::OkCancel, {"D'accord", "Annuler"}, Answer::Cancel},
        {Buttons::YesNo, {"&Oui", "&Non"}, Answer::No},
        {Buttons::YesNoCancel, {"Annuler", "&Oui", "&Non"}, Answer::No},
    };
    for (const auto &c : cases) {
        const auto shown = testing::showRealMessageBox(c.buttons);
        EXPECT_EQ(shown.captions, c.captions);
        EXPECT_EQ(shown.answer, c.pressedLast);
    }
    platform::dialogs::setButtonTexts({});
    EXPECT_EQ(testing::showRealMessageBox(Buttons::YesNo).captions, (QStringList{"&Yes", "&No"}));
}

} // namespace
