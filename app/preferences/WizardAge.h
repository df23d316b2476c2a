#pragma once

#include <QString>

// What the first-run wizard makes of its age box when it is left.
namespace preferences {

struct WizardAge {
    bool refused = false; // out of 1 to 110: the box goes back to "30"
    int age = 0;
    int maximum = 0; // the maximum heart rate that follows
};

// An age of 1 to 110 gives a maximum of 220 - age; one outside is refused and the default age
// is taken instead; a box that holds no number gives 50 and 170.
WizardAge CheckWizardAge(const QString &text);

// The age the box shows at first and goes back to when an age is refused.
inline constexpr int kWizardDefaultAge = 30;

} // namespace preferences
