#include "sessionview/SessionGraphSelection.h"

#include "core/StoredActivity.h"
#include "core/StoredSamples.h"
#include "core/modLocalisation.h"
#include "sessionview/SessionGraphChoice.h"
#include "sessionview/SessionGraphFrame.h"

#include <QComboBox>
#include <QLabel>

namespace sessionview {

void LoadGraphSelection(const SessionPane &pane, SessionKey key) {
    if (const auto activity = ReadActivity(key)) {
        pane.Label3->hide();
        const std::optional<int> firstKind =
            activity->type == kJoinedSession ? FirstSampleDataType(key, SampleKind::Speed) : std::nullopt;
        const auto choices = ChoicesForType(activity->type, firstKind);
        if (choices || activity->type == kHeartRateSession) {
            pane.GraphLabel->setText(modLocalisation::LoadResString(1714) + ' ' +
                                     GeneralDateText(activity->start));
            pane.resSummary->show();
        }
        if (choices) {
            FillChoosers(*pane.cmbGraph1, *pane.cmbGraph2, *choices, key);
            SelectChoices(*pane.cmbGraph1, *pane.cmbGraph2, *choices, activity->graph1, activity->graph2);
        } else if (activity->type != kHeartRateSession) {
            EmptyChoosers(*pane.cmbGraph1, *pane.cmbGraph2, key);
        }
    }
    gCurrentGraph.clear();
    gGraphSelectLive = true;
}

void ReloadGraphSelection(const SessionPane &pane, SessionKey key) {
    LoadGraphSelection(pane, key);
    showSessionGraph(pane, key);
}

} // namespace sessionview
