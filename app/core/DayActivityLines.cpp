#include "core/DayActivityLines.h"

#include "core/ActivityIcons.h"
#include "core/ActivityListText.h"
#include "platform/Database.h"

#include <QTreeWidget>

namespace DayActivityLines {

bool AddDay(QTreeWidget &list, QDate day, const std::function<bool(SessionKey)> &offered, bool checkable) {
    auto activities = gConn.prepare("select prkey, Session_datetime, Duration, Description, session_type "
                                    "from sessions where session_date = ? order by Session_datetime, prkey");
    activities.bind(1, day);
    bool anyActivity = false;
    while (activities.step()) {
        anyActivity = true;
        const SessionKey key = activities.columnInt64(0);
        if (!offered(key))
            continue;
        auto *item = new QTreeWidgetItem(
            &list, {ActivityListText::startText(platform::db::parseIsoDateTime(activities.columnText(1))),
                    ActivityListText::durationText(activities.columnDouble(2)),
                    ActivityListText::descriptionText(activities.columnText(3), activities.isNull(3))});
        if (checkable) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
        item->setData(0, kKeyRole, "_" + QString::number(key));
        const int icon = ActivityIconIndex(static_cast<int>(activities.columnInt64(4)));
        item->setData(0, kActivityIconRole, icon);
        item->setIcon(0, ActivityIcon(icon));
    }
    return anyActivity;
}

} // namespace DayActivityLines
