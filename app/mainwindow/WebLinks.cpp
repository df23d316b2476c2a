#include "mainwindow/WebLinks.h"

#include "core/modRegistry.h"

namespace WebLinks {
namespace {

struct Setting {
    const char *valueName;
    const char *defaultAddress;
};

Setting settingOf(Page page) {
    switch (page) {
    case Page::MakerHome:
        return {"MakerHomePage", "https://www.velko.com/"};
    case Page::LinksUnitedStates:
        return {"LinksPage", "https://www.velko.com/datarecorder/links/"};
    case Page::LinksInternational:
        return {"InternationalLinksPage", "https://www.velko.com/international/datarecorder/links/"};
    case Page::EventRegistration:
        return {"EventRegistrationPage", "https://www.velko.com/events/"};
    case Page::Partner:
        return {"PartnerPage", "https://www.trenlo.com/runvella/"};
    }
    return {"MakerHomePage", "https://www.velko.com/"};
}

} // namespace

QString Address(Page page) {
    const Setting setting = settingOf(page);
    QVariant stored = QString();
    modRegistry::ReadRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey,
                                   setting.valueName, "S", QString(), stored);
    const QString address = stored.toString().trimmed();
    return address.isEmpty() ? QString::fromLatin1(setting.defaultAddress) : address;
}

} // namespace WebLinks
