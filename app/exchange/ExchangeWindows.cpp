#include "exchange/ExchangeWindows.h"

#include "core/modLocalisation.h"
#include "exchange/AutoImport.h"
#include "exchange/DataFileImport.h"
#include "exchange/frmExport.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

namespace exchange {

void showExport(QWidget *owner) {
    frmExport window(owner);
    window.exec();
}

void showTrenloSync(QWidget *) {}

void ImportDataFile(const QString &path) {
    platform::failures::runReported([&] {
        if (ImportFile(path) == ImportOutcome::Damaged)
            platform::dialogs::message(modLocalisation::LoadResString(1568), QStringLiteral("Runvella"),
                                       platform::dialogs::Icon::None);
    });
}

void AutoImportFiles() {
    platform::failures::runReported(ImportAutomatically);
}

} // namespace exchange
