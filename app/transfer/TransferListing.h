#pragma once

#include "core/DeviceSessionRecord.h"
#include "transfer/TransferState.h"

#include <QString>

class frmActivitySummary;

// The sessions a transfer stored, as the athlete sees them afterwards.

// The download-list entry of a record: its start and end from its digits (invalid dates and
// times where the digits name none), no key yet.
DownloadListEntry DownloadListEntryFor(const DeviceSessionRecord &record);

// The record's start as the user reads it.
QString ShownStart(const DeviceSessionRecord &record);

// The latest end among gHrSessionRecs and gGpsSessionRecs as the user reads it; empty when no
// record has a readable end.
QString LastDeliveredEnd();

// Lists the first gFileAccessCount entries of gDownloadList in the summary, each named by
// the kind of samples it holds and its start, and sets their days bold in the main window's
// calendar where it shows them.
void ListStoredSessions(frmActivitySummary &summary);
