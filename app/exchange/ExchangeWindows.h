#pragma once

#include <QString>

class QWidget;

// The exchange windows and operations, as the main window calls them.
namespace exchange {

// The export window modally, for the program's own data file or NMEA by gExportMode.
void showExport(QWidget *owner);

// The upload to the partner service, modal.
void showTrenloSync(QWidget *owner);

// Stores the data file as a new activity and reports the outcome itself.
void ImportDataFile(const QString &path);

// Imports every data file waiting in the automatic import folder; reports its own failures.
void AutoImportFiles();

} // namespace exchange
