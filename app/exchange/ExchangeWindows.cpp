#include "exchange/ExchangeWindows.h"

#include "core/modLocalisation.h"
#include "exchange/AutoImport.h"
#include "exchange/DataFileImport.h"
#include "exchange/frmExport.h"
#include "exchange/frmTrenloSync.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

#include <memory>

namespace exchange {

void showExport(QWidget *owner) {
    frmExport window(owner);
    window.exec();
}

void showTrenloSync(QWidget *owner) {
    std::unique_ptr<frmTrenloSync> window;
    if (platform::failures::runReported([&] { window = std::make_unique<frmTrenloSync>(owner); }))
        window->exec();
}

void ImportDataFile(const QString &path) {
    platform::failures::runReported([&] {
        QString damage;
        const ImportOutcome outcome = ImportFile(
            path, {.damaged = [&damage](const QString &lineAndReason) { damage = lineAndReason; }});
        if (outcome == ImportOutcome::Damaged)
            platform::dialogs::message(modLocalisation::LoadResString(1568) + "\n\n" + damage,
                                       QStringLiteral("Runvella"), platform::dialogs::Icon::None);
        else if (outcome == ImportOutcome::Changed || outcome == ImportOutcome::HeldForWriting)
            platform::dialogs::message(
                modLocalisation::LoadResString(outcome == ImportOutcome::Changed ? 1983 : 1985)
                    .replace(QLatin1String("%X"), path),
                QStringLiteral("Runvella"), platform::dialogs::Icon::Warning);
    });
}

void AutoImportFiles() {
    platform::failures::runReported(ImportAutomatically);
}

} // namespace exchange
