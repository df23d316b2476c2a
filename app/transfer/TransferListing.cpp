#include "transfer/TransferListing.h"

#include "core/ActivityListText.h"
#include "core/Globals.h"
#include "core/StoredSamples.h"
#include "core/modLocalisation.h"
#include "mainwindow/MainWindowServices.h"
#include "transfer/SessionDates.h"
#include "transfer/TransferState.h"
#include "transfer/frmActivitySummary.h"

#include <QLocale>

#include <optional>

namespace {

QString kindText(SessionKey key) {
    if (!HasSamples(key, SampleKind::Speed))
        return modLocalisation::LoadResString(1576);
    return modLocalisation::LoadResString(HasSamples(key, SampleKind::HeartRate) ? 1577 : 1578);
}

} // namespace

DownloadListEntry DownloadListEntryFor(const DeviceSessionRecord &record) {
    const SessionDateTexts texts = sessionDateTexts(record);
    const QDateTime start = sessionDateTime(texts.startDate, texts.startTime).value_or(QDateTime());
    const QDateTime end = sessionDateTime(texts.endDate, texts.endTime).value_or(QDateTime());
    DownloadListEntry entry;
    entry.StartDate = start.date();
    entry.StartTime = start.time();
    entry.EndDate = end.date();
    entry.EndTime = end.time();
    return entry;
}

QString ShownStart(const DeviceSessionRecord &record) {
    return shownStartText(sessionDateTexts(record));
}

QString LastDeliveredEnd() {
    std::optional<QDateTime> latest;
    QString shown;
    for (const auto *records : {&gHrSessionRecs, &gGpsSessionRecs}) {
        for (const DeviceSessionRecord &record : *records) {
            const SessionDateTexts texts = sessionDateTexts(record);
            const auto end = sessionDateTime(texts.endDate, texts.endTime);
            if (end && (!latest || *end > *latest)) {
                latest = end;
                shown = shownEndText(texts);
            }
        }
    }
    return shown;
}

void ListStoredSessions(frmActivitySummary &summary) {
    const QLocale locale;
    for (std::int16_t j = 0; j < gFileAccessCount; ++j) {
        const DownloadListEntry &entry = gDownloadList[static_cast<std::size_t>(j)];
        summary.addActivity(kindText(entry.SessionKey) + ' ' +
                                locale.toString(entry.StartDate, QLocale::ShortFormat) + ' ' +
                                ActivityListText::timeText(entry.StartTime),
                            entry.SessionKey);
        mainwindow::MarkActivityDay(entry.StartDate, entry.EndDate);
    }
}
