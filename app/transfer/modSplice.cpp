#include "transfer/modSplice.h"

#include "core/Globals.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "platform/Dialogs.h"
#include "transfer/TransferState.h"
#include "transfer/frmAskSplice.h"
#include "transfer/modMerge.h"

#include <algorithm>

namespace modSplice {
namespace {

constexpr int kMaxFragmentGap = 60;

QDateTime at(const QDate &date, const QTime &time) {
    return QDateTime(date, time, Qt::UTC);
}

void dropRepeatedKeys(std::vector<DownloadListEntry> &list, std::size_t &count) {
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t j = count - 1; j > i; --j)
            if (list[j].SessionKey == list[i].SessionKey) {
                list.erase(list.begin() + j);
                --count;
            }
}

bool alwaysTakeStoredAnswer() {
    QVariant value;
    modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, "AlwaysAskSplice", "D", 0, value);
    return value.toInt() == 1;
}

bool storedAnswerIsYes() {
    QVariant value;
    modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, "Splice", "S", "No", value);
    return value.toString() == "Yes";
}

} // namespace

bool AskSpliceFragments() {
    auto count = static_cast<std::size_t>(std::max(0, gHrSessionsStored + gGpsSessionsStored));
    count = std::min(count, gDownloadList.size());
    auto &list = gDownloadList;
    dropRepeatedKeys(list, count);
    std::stable_sort(list.begin(), list.begin() + count,
                     [](const DownloadListEntry &a, const DownloadListEntry &b) {
                         return at(a.StartDate, a.StartTime) < at(b.StartDate, b.StartTime);
                     });

    bool joinTried = false;
    std::size_t i = 1;
    while (i < count) {
        DownloadListEntry &earlier = list[i - 1];
        const DownloadListEntry &later = list[i];
        if (later.EndDate != earlier.StartDate) {
            ++i;
            continue;
        }
        const auto gap = at(earlier.EndDate, earlier.EndTime).secsTo(at(later.StartDate, later.StartTime));
        const bool overlapping = gap < 0; // the later one starts before the earlier one ends
        if (gap > kMaxFragmentGap) {
            ++i;
            continue;
        }
        gSpliceKey1 = earlier.SessionKey;
        gSpliceKey2 = later.SessionKey;
        if (!alwaysTakeStoredAnswer()) {
            frmAskSplice question;
            question.exec();
        }
        if (!storedAnswerIsYes()) {
            ++i;
            continue;
        }
        joinTried = true;
        const bool joined =
            overlapping ? modMerge::MergeOverlapping(gSpliceKey1, gSpliceKey2)
                        : modMerge::MergeSessions(gSpliceKey1, gSpliceKey2, static_cast<std::int32_t>(gap));
        if (!joined) {
            platform::dialogs::message(modLocalisation::LoadResString(1705),
                                       modLocalisation::LoadResString(1689),
                                       platform::dialogs::Icon::Warning);
            ++i;
            continue;
        }
        // The joined activity keeps the earlier start and ends where the later of the two ends.
        if (at(later.EndDate, later.EndTime) > at(earlier.EndDate, earlier.EndTime)) {
            earlier.EndDate = later.EndDate;
            earlier.EndTime = later.EndTime;
        }
        list.erase(list.begin() + i);
        --count;
    }
    gFileAccessCount = static_cast<std::int16_t>(count);
    return joinTried;
}

} // namespace modSplice
