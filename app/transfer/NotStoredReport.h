#pragma once

#include <QString>
#include <QStringList>

// The notice that the recorder's memory was kept because some of its sessions could not be
// stored; it names each of them by its start as the user reads it.
QString NotStoredMessage(const QStringList &shownStarts);
void ReportSessionsNotStored(const QStringList &shownStarts);
