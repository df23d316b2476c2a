#include "charts/AxisRoom.h"

#include <QAbstractAxis>
#include <QChart>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <memory>

namespace charts {
namespace {

// A plot size to label for until the chart has been laid out.
constexpr double kLikelyPlotWidth = 600;
constexpr double kLikelyPlotHeight = 300;
// The margin that the chart leaves around a title's text, on each side.
constexpr double kTitleMargin = 4;
const QString kLineBreak = QStringLiteral("<br>");
// The pixels by which the chart's room for an axis' labels may fall short of its measure.
constexpr double kLabelRoomTolerance = 3;

// The smallest that a title is written to fit a short plot.
constexpr double kSmallestTitlePoints = 6;
constexpr int kSmallestTitlePixels = 8;

struct Wrapped {
    QString text;
    double longest; // the room that its longer line needs
};

// The title on one line where that fits the room, else on two lines broken at the blank that
// leaves the longer line shortest.
Wrapped wrapped(const QString &whole, const QFontMetricsF &metrics, double room) {
    const auto length = [&metrics](const QString &line) {
        return metrics.horizontalAdvance(line) + 2 * kTitleMargin;
    };
    Wrapped best{whole, length(whole)};
    if (best.longest <= room)
        return best;
    for (qsizetype blank = whole.indexOf(' '); blank >= 0; blank = whole.indexOf(' ', blank + 1)) {
        const double longer = std::max(length(whole.left(blank)), length(whole.mid(blank + 1)));
        if (longer < best.longest)
            best = {whole.left(blank) + kLineBreak + whole.mid(blank + 1), longer};
    }
    return best;
}

bool canShrink(const QFont &font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() > kSmallestTitlePoints
                                 : font.pixelSize() > kSmallestTitlePixels;
}

QFont smaller(QFont font) {
    if (font.pointSizeF() > 0)
        font.setPointSizeF(std::max(kSmallestTitlePoints, font.pointSizeF() - 0.5));
    else
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

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

int blanksBesideNarrowLabels(const QFont &font, const QString &widestLabel) {
    const QFontMetricsF metrics(font);
    const double missing = metrics.horizontalAdvance(QStringLiteral("...")) + kLabelRoomTolerance -
                           metrics.horizontalAdvance(widestLabel);
    if (missing <= 0)
        return 0;
    return static_cast<int>(std::ceil(missing / metrics.horizontalAdvance(QChar(QChar::Nbsp))));
}

FittedTitle fittedTitle(const QString &title, const QFont &font, double room) {
    const QString whole = QString(title).replace(kLineBreak, QStringLiteral(" "));
    QFont tried = font;
    for (;;) {
        const auto [text, length] = wrapped(whole, QFontMetricsF(tried), room);
        if (length <= room || !canShrink(tried))
            return {text, tried};
        tried = smaller(tried);
    }
}

void keepTitleWhole(QChart &chart, QAbstractAxis &axis) {
    // The font that the chart gives the title: a title written smaller on a short plot gets it
    // back when the plot grows.
    auto designed = std::make_shared<QFont>(axis.titleFont());
    auto fitting = std::make_shared<bool>(false);
    const auto fit = [&chart, &axis, designed, fitting] {
        if (axis.orientation() != Qt::Vertical || *fitting)
            return;
        const FittedTitle fitted = fittedTitle(axis.titleText(), *designed, plotLength(&chart, Qt::Vertical));
        *fitting = true;
        if (fitted.font != axis.titleFont())
            axis.setTitleFont(fitted.font);
        if (fitted.text != axis.titleText())
            axis.setTitleText(fitted.text);
        *fitting = false;
    };
    QObject::connect(&axis, &QAbstractAxis::titleTextChanged, &axis, fit);
    QObject::connect(&axis, &QAbstractAxis::titleFontChanged, &axis, [&axis, designed, fitting, fit] {
        if (!*fitting)
            *designed = axis.titleFont();
        fit();
    });
    QObject::connect(&chart, &QChart::plotAreaChanged, &axis, fit);
}

} // namespace charts
