#pragma once

#include <QCategoryAxis>

class QChart;

namespace charts {

// A value axis that writes its own labels (QCategoryAxis places each label at a value) and
// writes them again whenever its range or the plot's size changes, so zooming, panning and
// resizing keep the labels readable. Subclasses say which labels fit.
class LabelledAxis : public QCategoryAxis {
public:
    // Adds the axis to the chart at the side given and labels it from then on.
    void addTo(QChart &chart, Qt::Alignment side);

    // The narrowest range that still shows three labels: no zoom goes further.
    virtual double leastSpan() const = 0;

protected:
    // Replaces the labels by those for the present range and plot size.
    virtual void relabel() = 0;

    // The axis' length in pixels on the plot, or a likely one before the chart is laid out.
    double pixels() const;
    // Room along the axis that one label of this text needs to stand clear of the next.
    double labelExtent(const QString &widestText) const;
    // Removes every label and puts these in, each at its value (values ascending); a text that
    // repeats is kept apart by invisible characters, since the axis keys labels by text.
    void setLabels(const QList<std::pair<QString, double>> &labels);

private:
    void update();
    // Widens the chart's margins so that the labels at the plot's ends stay on the chart.
    void makeRoomAtTheEnds();

    QChart *chart_ = nullptr;
    bool updating_ = false;
};

} // namespace charts
