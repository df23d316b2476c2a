#include "preferences/WizardAge.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"

namespace preferences {
namespace {

constexpr int kOldestAge = 110;
constexpr int kHighestMaximum = 220;
constexpr int kAgeWithoutNumber = 50;

WizardAge fromAge(int age) {
    return {false, age, kHighestMaximum - age};
}

} // namespace

WizardAge CheckWizardAge(const QString &text) {
    const auto number = modHelpers::ReadNumericText(text);
    if (!number)
        return fromAge(kAgeWithoutNumber);
    const double whole = Numbers::roundHalfEven(*number);
    if (whole < 1 || whole > kOldestAge) {
        WizardAge refused = fromAge(kWizardDefaultAge);
        refused.refused = true;
        return refused;
    }
    return fromAge(static_cast<int>(whole));
}

} // namespace preferences
