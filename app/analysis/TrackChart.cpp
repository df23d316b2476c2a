#include "analysis/TrackChart.h"

#include "charts/ChartFrame.h"
#include "charts/EqualScales.h"
#include "core/modLocalisation.h"

#include <QChart>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>

namespace analysis {
namespace {

// The colours of the track's parts as stored numbers: red + 256 green + 65536 blue.
constexpr int kTrackColour = 255;
constexpr int kStartColour = 65280;
constexpr int kEndColour = 16711680;
constexpr int kMarkerColour = 0;
constexpr int kMarkSize = 11;
// Room between the track's outermost points and the plot's edges: a mark there stands whole.
constexpr double kTrackMargin = kMarkSize / 2.0 + 3;
// The numbers stand over every cross, on a ground that keeps them legible.
constexpr qreal kNumbersAbove = 1000;
const QColor kNumberGround(255, 255, 255, 220);

QImage crossImage(const QColor &colour) {
    QImage image(kMarkSize, kMarkSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setPen(QPen(colour, 2));
    painter.drawLine(QPointF(1, 1), QPointF(kMarkSize - 1, kMarkSize - 1));
    painter.drawLine(QPointF(1, kMarkSize - 1), QPointF(kMarkSize - 1, 1));
    return image;
}

QScatterSeries *addPoints(QChart &chart, QValueAxis &x, QValueAxis &y, const QString &name,
                          const QColor &colour, QScatterSeries::MarkerShape shape) {
    auto *series = new QScatterSeries;
    series->setName(name);
    series->setColor(colour);
    series->setBorderColor(colour);
    series->setMarkerShape(shape);
    series->setMarkerSize(kMarkSize);
    chart.addSeries(series);
    series->attachAxis(&x);
    series->attachAxis(&y);
    return series;
}

void hideFromLegend(QChart &chart, QAbstractSeries *series) {
    for (QLegendMarker *marker : chart.legend()->markers(series))
        marker->setVisible(false);
}

// A marker's number on a pale ground, so that a cross or the track under it does not break it up.
class MarkerNumber : public QGraphicsSimpleTextItem {
public:
    using QGraphicsSimpleTextItem::QGraphicsSimpleTextItem;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override {
        painter->fillRect(boundingRect(), kNumberGround);
        QGraphicsSimpleTextItem::paint(painter, option, widget);
    }
};

// The numbers beside the marker crosses, drawn over the crosses and the track. They follow their
// points when the plot changes size or is zoomed. A number stands only wholly inside the plot and
// clear of the start and end marks and of the numbers before it; where markers crowd, their crosses
// stay and some numbers give way.
class MarkerNumbers : public QGraphicsObject {
public:
    MarkerNumbers(QChart &chart, QScatterSeries &series, const std::vector<TrackMarker> &markers,
                  std::vector<QPointF> keptInSight)
        : QGraphicsObject(&chart), chart_(chart), series_(series), keptInSight_(std::move(keptInSight)) {
        setObjectName(QStringLiteral("markerNumbers"));
        charts::belongsToGraph(*this);
        setZValue(kNumbersAbove);
        for (const TrackMarker &marker : markers) {
            auto *label = new MarkerNumber(QString::number(marker.number), this);
            label->setBrush(series.color());
            labels_.push_back({label, marker.at});
        }
    }

    QRectF boundingRect() const override { return {}; }
    void paint(QPainter *, const QStyleOptionGraphicsItem *, QWidget *) override {}

    void place() {
        const QRectF plot = chart_.plotArea();
        std::vector<QRectF> taken;
        for (const QPointF &mark : keptInSight_)
            taken.emplace_back(chart_.mapToPosition(mark, &series_) -
                                   QPointF(kMarkSize / 2.0, kMarkSize / 2.0),
                               QSizeF(kMarkSize, kMarkSize));
        for (const auto &[label, at] : labels_) {
            const QPointF cross = chart_.mapToPosition(at, &series_);
            const QSizeF size = label->boundingRect().size();
            // Above and to the right of the cross, or else at one of its other corners.
            const double beside = kMarkSize / 2.0;
            bool shown = false;
            for (const QPointF corner : {QPointF(beside, -beside - size.height()), QPointF(beside, beside),
                                         QPointF(-beside - size.width(), -beside - size.height()),
                                         QPointF(-beside - size.width(), beside)}) {
                const QRectF room(cross + corner, size);
                const bool free = std::none_of(taken.begin(), taken.end(), [&room](const QRectF &other) {
                    return other.intersects(room);
                });
                if (free && plot.contains(room)) {
                    label->setPos(room.topLeft());
                    taken.push_back(room);
                    shown = true;
                    break;
                }
            }
            label->setVisible(shown);
        }
    }

private:
    QChart &chart_;
    QScatterSeries &series_;
    std::vector<std::pair<QGraphicsSimpleTextItem *, QPointF>> labels_;
    std::vector<QPointF> keptInSight_;
};

void addMarkers(QChart &chart, QValueAxis &x, QValueAxis &y, const TrackPlot &plot, const QString &title) {
    const QColor colour = charts::colourFromValue(kMarkerColour);
    QScatterSeries *series = addPoints(chart, x, y, title, colour, QScatterSeries::MarkerShapeRectangle);
    series->setLightMarker(crossImage(colour));
    for (const TrackMarker &marker : plot.markers)
        series->append(marker.at);
    std::vector<QPointF> startAndEnd;
    for (const auto &mark : {plot.start, plot.end})
        if (mark)
            startAndEnd.push_back(*mark);
    auto *numbers = new MarkerNumbers(chart, *series, plot.markers, std::move(startAndEnd));
    charts::followSeries(chart, *series, *numbers, [numbers] { numbers->place(); });
}

} // namespace

void DrawTrack(QChart &chart, const TrackPlot &plot, const TrackChartOptions &options) {
    charts::reset(chart);
    chart.setTitle(options.header);
    QValueAxis *x = charts::addValueAxis(chart, Qt::AlignBottom);
    QValueAxis *y = charts::addValueAxis(chart, Qt::AlignLeft);

    // The track keeps the order of its points: it follows the path, not the x values.
    QLineSeries *track = charts::addLine(chart, *x, *y, QList<QPointF>(plot.track.begin(), plot.track.end()),
                                         {charts::colourFromValue(kTrackColour), 2, false});
    hideFromLegend(chart, track);
    QScatterSeries *start =
        addPoints(chart, *x, *y, modLocalisation::LoadResString(1667), charts::colourFromValue(kStartColour),
                  QScatterSeries::MarkerShapeTriangle);
    QScatterSeries *end =
        addPoints(chart, *x, *y, modLocalisation::LoadResString(1668), charts::colourFromValue(kEndColour),
                  QScatterSeries::MarkerShapeRotatedRectangle);
    if (plot.start)
        start->append(*plot.start);
    if (plot.end)
        end->append(*plot.end);
    if (options.markers)
        addMarkers(chart, *x, *y, plot, options.markerTitle);

    if (options.legend)
        charts::showLegend(chart);
    charts::keepEqualScales(chart, *x, *y,
                            QRectF(QPointF(plot.horizontal.min, plot.vertical.min),
                                   QPointF(plot.horizontal.max, plot.vertical.max)),
                            kTrackMargin);
}

} // namespace analysis
