#include "common/RealMessageBox.h"
#include "core/Globals.h"
#include "core/modLocalisation.h"

#include <gtest/gtest.h>

namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;

TEST(DialogButtonsTest, EveryBoxSpeaksTheChosenLanguage) {
    const struct {
        int offset;
        const char *ok, *cancel, *yes, *no;
    } languages[] = {
        {0, "OK", "Cancel", "&Yes", "&No"},          {1000, "OK", "Annuler", "&Oui", "&Non"},
        {2000, "Aceptar", "Cancelar", "&Sí", "&No"}, {3000, "OK", "Abbrechen", "&Ja", "&Nein"},
        {4000, "OK", "Annulla", "&Sì", "&No"},
    };
    for (const auto &language : languages) {
        gLanguageOffset = language.offset;
        modLocalisation::LocalizeDialogButtons();
        const auto question = testing::showRealMessageBox(Buttons::YesNo);
        EXPECT_EQ(question.captions,
                  (QStringList{QString::fromUtf8(language.yes), QString::fromUtf8(language.no)}))
            << language.offset;
        EXPECT_EQ(question.answer, Answer::No);
        const auto confirmation = testing::showRealMessageBox(Buttons::OkCancel);
        EXPECT_EQ(confirmation.captions,
                  (QStringList{QString::fromUtf8(language.ok), QString::fromUtf8(language.cancel)}))
            << language.offset;
    }
    gLanguageOffset = 0;
    platform::dialogs::setButtonTexts({});
}

} // namespace
