#include "exchange/ExchangeWindows.h"

namespace exchange {

void showExport(QWidget *) {}

void showTrenloSync(QWidget *) {}

void ImportDataFile(const QString &) {}

void AutoImportFiles() {}

} // namespace exchange
