#include "core/modHelpersLists.h"

#include "core/Globals.h"
#include "core/modLocalisation.h"

#include <QComboBox>
#include <QHash>
#include <QListWidget>

#include <iterator>

#include <vector>

namespace modHelpers {
namespace {

struct ListItem {
    QString text;
    QVariant data;
};

std::vector<ListItem> sportItems() {
    std::vector<ListItem> items;
    auto sports = gConn.prepare("select prkey, description from sports order by prkey");
    while (sports.step())
        items.push_back(
            {TranslateSportName(sports.columnText(1)), QVariant::fromValue(sports.columnInt64(0))});
    return items;
}

std::vector<ListItem> unitItems() {
    static constexpr int kUnitTextIds[] = {1581, 1582, 1583, 1580, 1584};
    static_assert(std::size(kUnitTextIds) == std::size(kDistanceUnitCodes));
    std::vector<ListItem> items;
    for (std::size_t unit = 0; unit < std::size(kDistanceUnitCodes); ++unit)
        items.push_back({modLocalisation::LoadResString(kUnitTextIds[unit]),
                         QString::fromLatin1(kDistanceUnitCodes[unit])});
    return items;
}

// Adds the items and selects the first one that matches; without a match the selection stays as
// it was (a combo box would otherwise pick its first new item by itself).
template <typename Matches>
void addItems(QComboBox &list, const std::vector<ListItem> &items, Matches matches) {
    int selected = list.currentIndex();
    bool found = false;
    for (const ListItem &item : items) {
        if (!found && matches(item)) {
            selected = list.count();
            found = true;
        }
        list.addItem(item.text, item.data);
    }
    list.setCurrentIndex(selected);
}

template <typename Matches>
void addItems(QListWidget &list, const std::vector<ListItem> &items, Matches matches) {
    int selected = list.currentRow();
    bool found = false;
    for (const ListItem &item : items) {
        if (!found && matches(item)) {
            selected = list.count();
            found = true;
        }
        auto *added = new QListWidgetItem(item.text, &list);
        added->setData(Qt::UserRole, item.data);
    }
    list.setCurrentRow(selected);
}

} // namespace

QString TranslateSportName(const QString &description) {
    static const QHash<QString, int> builtIn = {
        {"general", 1368},     {"bicycling", 1369},     {"running", 1370},  {"jogging", 1371},
        {"walking", 1372},     {"rowing", 1373},        {"kayaking", 1374}, {"skiing - downhill", 1375},
        {"skiing - xc", 1376}, {"rollerblading", 1377}, {"swimming", 1378},
    };
    const auto found = builtIn.constFind(description.toLower());
    return found == builtIn.constEnd() ? description : modLocalisation::LoadResString(*found);
}

void FillSportsList(QComboBox &list, bool selectPrimary) {
    addItems(list, sportItems(), [&](const ListItem &sport) {
        return selectPrimary && sport.data.toLongLong() == gPrimarySport;
    });
}

void FillSportsList(QListWidget &list, bool selectPrimary) {
    addItems(list, sportItems(), [&](const ListItem &sport) {
        return selectPrimary && sport.data.toLongLong() == gPrimarySport;
    });
}

void FillDistanceUnitList(QComboBox &list, const QString &unitCode) {
    addItems(list, unitItems(), [&](const ListItem &unit) { return unit.data.toString() == unitCode; });
}

void FillDistanceUnitList(QListWidget &list, const QString &unitCode) {
    addItems(list, unitItems(), [&](const ListItem &unit) { return unit.data.toString() == unitCode; });
}

} // namespace modHelpers
