#pragma once

#include <QString>

// The notice that a session from the recorder holds data that cannot be read: what lies before
// the fault is kept. The text names the session's start as the user reads it.
QString CorruptedDataMessage(const QString &shownStart);
void ReportCorruptedData(const QString &shownStart);
