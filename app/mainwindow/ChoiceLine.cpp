#include "mainwindow/ChoiceLine.h"

#include <QComboBox>

#include <algorithm>
#include <numeric>

namespace ChoiceLine {
namespace {

// Raises the widths of the lists toward their caps with the room given, evenly: a list that
// reaches its cap leaves the rest to the others. Returns what is left.
int fill(std::vector<int> &widths, const std::vector<std::size_t> &lists, const std::vector<int> &caps,
         int room) {
    std::vector<std::size_t> order = lists;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return caps[a] - widths[a] < caps[b] - widths[b]; });
    for (std::size_t done = 0; done < order.size(); ++done) {
        const std::size_t list = order[done];
        const int share = room / static_cast<int>(order.size() - done);
        const int raised = std::clamp(caps[list] - widths[list], 0, share);
        widths[list] += raised;
        room -= raised;
    }
    return room;
}

} // namespace

std::vector<int> Widths(const std::vector<Part> &parts, int room) {
    std::vector<int> widths, chosen, wanted;
    std::vector<std::size_t> lists;
    for (std::size_t index = 0; index < parts.size(); ++index) {
        wanted.push_back(parts[index].wanted);
        chosen.push_back(std::min(parts[index].chosen, parts[index].wanted));
        if (parts[index].yields)
            lists.push_back(index);
        widths.push_back(parts[index].yields ? 0 : parts[index].wanted);
    }
    if (std::accumulate(wanted.begin(), wanted.end(), 0) <= room)
        return wanted;
    const int left = std::max(room - std::accumulate(widths.begin(), widths.end(), 0), 0);
    fill(widths, lists, wanted, fill(widths, lists, chosen, left));
    return widths;
}

namespace {

Part partOf(const Control &control) {
    const int wanted = std::max(control.widget->sizeHint().width(), control.leastWanted);
    const auto *list = qobject_cast<const QComboBox *>(control.widget);
    if (!list)
        return {wanted};
    // The box around an entry is as wide for each entry.
    const QFontMetrics metrics = list->fontMetrics();
    int widest = 0;
    for (int entry = 0; entry < list->count(); ++entry)
        widest = std::max(widest, metrics.horizontalAdvance(list->itemText(entry)));
    return {wanted, true, list->sizeHint().width() - widest + metrics.horizontalAdvance(list->currentText())};
}

void place(QWidget *widget, int x, int width) {
    widget->setGeometry(x, widget->y(), width, widget->height());
}

} // namespace

void Arrange(const std::vector<Control> &leading, const std::vector<Control> &trailing, int left, int right,
             int gap) {
    std::vector<Part> parts;
    for (const auto *group : {&leading, &trailing})
        for (const Control &control : *group)
            parts.push_back(partOf(control));
    // One gap between neighbours, two between the groups.
    const int gaps =
        gap * static_cast<int>(parts.size() - 1) + (leading.empty() || trailing.empty() ? 0 : gap);
    const std::vector<int> widths = Widths(parts, right - left - gaps);
    int x = left;
    for (std::size_t index = 0; index < leading.size(); ++index) {
        place(leading[index].widget, x, widths[index]);
        x += widths[index] + gap;
    }
    x = right;
    for (std::size_t index = trailing.size(); index-- > 0;) {
        const int width = widths[leading.size() + index];
        x -= width;
        place(trailing[index].widget, x, width);
        x -= gap;
    }
}

} // namespace ChoiceLine
