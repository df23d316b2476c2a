#pragma once

#include <QString>

// The notice that a session from the recorder holds data that cannot be read: what lies before
// the fault is kept. The text names the session's start as the user reads it.
QString CorruptedDataMessage(const QString &shownStart);
void ReportCorruptedData(const QString &shownStart);

// The notice that the recorder's memory could not be read past a corrupted session: the whole
// sessions before it are kept. The text names the end of the last of them as the user reads it.
QString CorruptedAfterMessage(const QString &shownEnd);
void ReportCorruptedAfter(const QString &shownEnd);
