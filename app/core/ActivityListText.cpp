#include "core/ActivityListText.h"

#include "core/FormControls.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersFormatting.h"
#include "core/modLocalisation.h"

#include <QHeaderView>
#include <QLocale>
#include <QTime>
#include <QTreeWidget>

#include <algorithm>
#include <cmath>

namespace ActivityListText {
namespace {

constexpr int kDateTwips = 2500;
constexpr int kDurationTwips = 1000;

// The short time layout with seconds added after the minutes when it has none.
QString timeWithSecondsFormat(const QLocale &locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains('s')) {
        const qsizetype minutes = format.indexOf("mm");
        if (minutes >= 0)
            format.insert(minutes + 2, modHelpers::GetTimeSeparator() + "ss");
    }
    return format;
}

QString twoDigits(long long value) {
    return modHelpers::PadString(value, 2, "0");
}

} // namespace

QString startText(const QDateTime &start) {
    const QLocale locale;
    return locale.dayName(start.date().dayOfWeek(), QLocale::ShortFormat) + " " +
           locale.toString(start.date(), QLocale::ShortFormat) + " " + timeText(start.time());
}

QString timeText(const QTime &time) {
    const QLocale locale;
    return locale.toString(time, timeWithSecondsFormat(locale));
}

QString descriptionText(const std::optional<QString> &description) {
    constexpr qsizetype kLongest = 40;
    constexpr qsizetype kEnds = 20;
    if (!description)
        return QStringLiteral(" ");
    QString text = *description;
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    if (text.size() > kLongest)
        return text.left(kEnds) + QStringLiteral("...") + text.right(kEnds);
    return text;
}

QString durationText(double seconds) {
    const auto whole = static_cast<long long>(std::floor(seconds));
    const QString separator = modHelpers::GetTimeSeparator();
    return twoDigits(whole / 3600) + separator + twoDigits(whole % 3600 / 60) + separator +
           twoDigits(whole % 60);
}

void ShowColumns(QTreeWidget &list) {
    using modLocalisation::LoadResString;
    list.clear();
    list.header()->show();
    list.setColumnCount(3);
    list.setHeaderLabels({LoadResString(1409), LoadResString(1410), LoadResString(1411)});
    list.setColumnWidth(0, pixelsFromTwips(kDateTwips));
    list.setColumnWidth(1, pixelsFromTwips(kDurationTwips));
    list.setColumnWidth(2, std::max(0, list.width() - pixelsFromTwips(3600)));
}

void FitColumns(QTreeWidget &list) {
    if (list.columnCount() != 3)
        return;
    const int designed[] = {pixelsFromTwips(kDateTwips), pixelsFromTwips(kDurationTwips)};
    int used = 0;
    for (int column = 0; column < 2; ++column) {
        list.resizeColumnToContents(column);
        list.setColumnWidth(column, std::max(designed[column], list.columnWidth(column)));
        used += list.columnWidth(column);
    }
    list.resizeColumnToContents(2);
    list.setColumnWidth(2, std::max(list.columnWidth(2), list.viewport()->width() - used));
}

} // namespace ActivityListText
