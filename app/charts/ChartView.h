#pragma once

#include <QChartView>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QTimer>

#include <optional>
#include <utility>

class QValueAxis;

namespace charts {

// The shift of a view from low to high (the view moves to low - shift, high - shift) as near to the
// shift asked for as keeps the view between first and last.
double shiftWithin(double low, double high, double shift, double first, double last);

// A chart view that the athlete zooms by dragging a rectangle down and to the right with the
// left button (the zoom runs in a few animated steps), pans sideways by dragging with the right
// button, and returns to the full view by dragging up or to the left. The view says when it
// leaves and when it regains the view that was drawn.
class ChartView : public QChartView {
    Q_OBJECT

public:
    explicit ChartView(QChart *chart, QWidget *parent = nullptr);

    // The drawn view again, as it was before the first zoom or pan.
    void undoZoom();
    // Whether the view differs from the one that was drawn.
    bool isZoomed() const;
    // Whether a zoom is still running its steps.
    bool isAnimating() const { return stepsLeft_ > 0; }

    // Zooms every axis to the part of the plot under the rectangle (view coordinates), an axis
    // that writes its own labels no narrower than three of them need.
    void zoomTo(const QRect &area);
    // Moves the horizontal axes by the pixels given, as a drag to the right by that much does, no
    // further than the graph that was drawn reaches.
    void panBy(int pixels);

signals:
    void zoomed();
    void scrolled();
    void zoomUndone();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    struct AxisRange {
        QPointer<QValueAxis> axis;
        double minimum;
        double maximum;
    };
    struct AxisStep {
        QPointer<QValueAxis> axis;
        double fromMinimum, fromMaximum, toMinimum, toMaximum;
    };

    QList<QValueAxis *> valueAxes() const;
    // The range that the axis had in the drawn view, once the view has changed.
    std::optional<std::pair<double, double>> drawnRange(const QValueAxis *axis) const;
    // Remembers the drawn view before the first change of it.
    void keepDrawnView();
    void step();

    QList<AxisRange> drawnView_;
    QList<AxisStep> zoomSteps_;
    int stepsLeft_ = 0;
    QTimer stepTimer_;

    QPoint dragStart_;
    QRect band_; // the zoom rectangle while the left button is down
    bool zoomDrag_ = false;
    bool panDrag_ = false;
    int panX_ = 0;
};

} // namespace charts
