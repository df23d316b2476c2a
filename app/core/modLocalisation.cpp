#include "core/modLocalisation.h"

#include "core/Globals.h"
#include "core/StringTableFile.h"
#include "core/modRegistry.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"

#include <QFile>
#include <QHash>

#include <iterator>

namespace modLocalisation {
namespace {

// In the order of their language offsets: 0, 1000, ... 4000.
constexpr const char *kLanguageCodes[] = {"en", "fr", "es", "de", "it"};
constexpr int kOffsetPerLanguage = 1000;

const QHash<int, QString> &table() {
    static const QHash<int, QString> strings = [] {
        QHash<int, QString> all;
        for (const char *language : kLanguageCodes) {
            QFile file(QStringLiteral(":/strings/%1.tsv").arg(QLatin1String(language)));
            if (file.open(QIODevice::ReadOnly))
                all.insert(StringTableFile::parse(QString::fromUtf8(file.readAll())));
        }
        return all;
    }();
    return strings;
}

} // namespace

std::optional<QString> FindString(int fullId) {
    const auto found = table().constFind(fullId);
    if (found == table().constEnd())
        return std::nullopt;
    return *found;
}

QString LoadResString(int baseId) {
    if (auto text = FindString(baseId + gLanguageOffset))
        return *text;
    return FindString(baseId).value_or(QString());
}

QString LanguageCode() {
    const auto language = static_cast<std::size_t>(gLanguageOffset / kOffsetPerLanguage);
    return QLatin1String(language < std::size(kLanguageCodes) ? kLanguageCodes[language] : kLanguageCodes[0]);
}

void LocalizeDialogButtons() {
    platform::dialogs::setButtonTexts(
        {LoadResString(1421), LoadResString(1422), LoadResString(1652), LoadResString(1653)});
}

int LanguageOffsetFor(long readStatus, int storedValue) {
    if (readStatus != modRegistry::kSuccess)
        return 0;
    switch (storedValue) {
    case 0:
    case 1000:
    case 2000:
    case 3000:
    case 4000:
        return storedValue;
    default:
        return 0;
    }
}

void LocalizeFailureCauses() {
    using platform::failures::Cause;
    platform::failures::setCauseTexts({{Cause::InUse, LoadResString(1940)},
                                       {Cause::DiskFull, LoadResString(1941)},
                                       {Cause::ReadOnly, LoadResString(1942)},
                                       {Cause::Damaged, LoadResString(1943)},
                                       {Cause::NotFound, LoadResString(1944)},
                                       {Cause::Other, LoadResString(1945)}});
}

} // namespace modLocalisation
