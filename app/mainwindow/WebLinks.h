#pragma once

#include <QString>

// The web pages that the main window's commands and links open. Each address can be set in the
// settings store under the program's key; the value name is given with each page.
namespace WebLinks {

enum class Page {
    MakerHome,          // "MakerHomePage"
    LinksUnitedStates,  // "LinksPage"
    LinksInternational, // "InternationalLinksPage"
    EventRegistration,  // "EventRegistrationPage"
    Partner,            // "PartnerPage"
};

// The stored address of the page, or its default when none (or an empty one) is stored.
QString Address(Page page);

} // namespace WebLinks
