#include "charts/AxisRoom.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFontMetricsF>

#include <algorithm>

namespace charts {
namespace {

// A plot size to label for until the chart has been laid out.
constexpr double kLikelyPlotWidth = 600;
constexpr double kLikelyPlotHeight = 300;
// The margin that the chart leaves around a title's text, on each side.
constexpr double kTitleMargin = 4;
const QString kLineBreak = QStringLiteral("<br>");

} // namespace

double plotLength(const QChart *chart, Qt::Orientation orientation) {
    QSizeF plot = chart ? chart->plotArea().size() : QSizeF();
    if (plot.isEmpty() && chart && !chart->size().isEmpty())
        plot = chart->size() * 0.8;
    if (plot.isEmpty())
        plot = QSizeF(kLikelyPlotWidth, kLikelyPlotHeight);
    return orientation == Qt::Horizontal ? plot.width() : plot.height();
}

double labelRoom(const QFont &font, Qt::Orientation orientation, const QString &text) {
    const QFontMetricsF metrics(font);
    if (orientation == Qt::Horizontal)
        return metrics.horizontalAdvance(text) + metrics.height();
    return metrics.height() * 1.5;
}

QString fittedTitle(const QString &title, const QFont &font, double room) {
    const QFontMetricsF metrics(font);
    const auto length = [&metrics](const QString &line) {
        return metrics.horizontalAdvance(line) + 2 * kTitleMargin;
    };
    const QString whole = QString(title).replace(kLineBreak, QStringLiteral(" "));
    if (length(whole) <= room)
        return whole;
    qsizetype best = -1;
    double shortest = length(whole);
    for (qsizetype blank = whole.indexOf(' '); blank >= 0; blank = whole.indexOf(' ', blank + 1)) {
        const double longer = std::max(length(whole.left(blank)), length(whole.mid(blank + 1)));
        if (longer < shortest) {
            shortest = longer;
            best = blank;
        }
    }
    return best < 0 ? whole : whole.left(best) + kLineBreak + whole.mid(best + 1);
}

void keepTitleWhole(QChart &chart, QAbstractAxis &axis) {
    const auto fit = [&chart, &axis] {
        if (axis.orientation() != Qt::Vertical)
            return;
        const QString fitted =
            fittedTitle(axis.titleText(), axis.titleFont(), plotLength(&chart, Qt::Vertical));
        if (fitted != axis.titleText())
            axis.setTitleText(fitted);
    };
    QObject::connect(&axis, &QAbstractAxis::titleTextChanged, &axis, fit);
    QObject::connect(&axis, &QAbstractAxis::titleFontChanged, &axis, fit);
    QObject::connect(&chart, &QChart::plotAreaChanged, &axis, fit);
}

} // namespace charts
