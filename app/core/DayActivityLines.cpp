#include "core/DayActivityLines.h"

#include "core/ActivityIcons.h"
#include "core/ActivityListText.h"

#include <QTreeWidget>

namespace DayActivityLines {

void Add(QTreeWidget &list, const std::vector<ActivityRow> &activities,
         const std::function<bool(SessionKey)> &offered, bool checkable) {
    for (const ActivityRow &activity : activities) {
        if (!offered(activity.key))
            continue;
        auto *item = new QTreeWidgetItem(&list, {ActivityListText::startText(activity.start),
                                                 ActivityListText::durationText(activity.duration),
                                                 ActivityListText::descriptionText(activity.description)});
        if (checkable) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(0, Qt::Unchecked);
        }
        item->setData(0, kKeyRole, "_" + QString::number(activity.key));
        const int icon = ActivityIconIndex(activity.type);
        item->setData(0, kActivityIconRole, icon);
        item->setIcon(0, ActivityIcon(icon));
    }
}

} // namespace DayActivityLines
