#pragma once

#include <QAbstractAxis>
#include <QChart>
#include <QGraphicsItemGroup>
#include <QGraphicsTextItem>
#include <QLocale>
#include <QStringList>
#include <QTextDocument>
#include <QValueAxis>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

// What a laid-out chart shows, read from its scene as the athlete reads the screen: the texts of
// its axes' labels and titles, whatever the chart believes they say.
namespace shown {

struct Text {
    QString text;
    QRectF place; // in the chart's coordinates, without the text's margins
};

namespace detail {

inline void collect(const QGraphicsItem &item, std::vector<const QGraphicsTextItem *> &texts) {
    for (const QGraphicsItem *child : item.childItems()) {
        if (!child->isVisible())
            continue;
        if (const auto *text = dynamic_cast<const QGraphicsTextItem *>(child))
            texts.push_back(text);
        collect(*child, texts);
    }
}

inline Text textOf(const QChart &chart, const QGraphicsTextItem &item) {
    const double margin = item.document()->documentMargin();
    const QRectF glyphs = item.boundingRect().adjusted(margin, margin, -margin, -margin);
    return {item.toPlainText(), chart.mapFromScene(item.mapToScene(glyphs)).boundingRect()};
}

// Which side of the plot a group of labels stands on, as an axis alignment.
inline Qt::Alignment sideOf(const QRectF &plot, const QRectF &labels) {
    if (labels.top() >= plot.bottom() - 1)
        return Qt::AlignBottom;
    if (labels.bottom() <= plot.top() + 1)
        return Qt::AlignTop;
    return labels.right() <= plot.left() + 1 ? Qt::AlignLeft : Qt::AlignRight;
}

} // namespace detail

// The labels shown along the axis, in the order they stand, empty ones included.
inline std::vector<Text> labels(const QChart &chart, const QAbstractAxis &axis) {
    std::vector<const QGraphicsTextItem *> items;
    detail::collect(chart, items);
    // The axes keep their labels in groups, their titles on their own.
    std::map<const QGraphicsItem *, std::vector<Text>> groups;
    for (const QGraphicsTextItem *item : items) {
        if (dynamic_cast<const QGraphicsItemGroup *>(item->parentItem()))
            groups[item->parentItem()].push_back(detail::textOf(chart, *item));
    }
    std::vector<Text> found;
    for (const auto &[group, texts] : groups) {
        // Qt keeps an empty label at a category axis' start, wherever it happens to stand: the
        // labels that say something tell the side, unless none does.
        QRectF place, all;
        for (const Text &text : texts) {
            all |= text.place;
            if (!text.text.isEmpty())
                place |= text.place;
        }
        if (place.isNull())
            place = all;
        if (detail::sideOf(chart.plotArea(), place) == axis.alignment())
            found.insert(found.end(), texts.begin(), texts.end());
    }
    const bool across = axis.orientation() == Qt::Horizontal;
    std::sort(found.begin(), found.end(), [across](const Text &a, const Text &b) {
        return across ? a.place.x() < b.place.x() : a.place.y() > b.place.y();
    });
    return found;
}

// Every text shown on the chart that no axis keeps among its labels: titles and notes.
inline std::vector<Text> titles(const QChart &chart) {
    std::vector<const QGraphicsTextItem *> items;
    detail::collect(chart, items);
    std::vector<Text> found;
    for (const QGraphicsTextItem *item : items) {
        if (!dynamic_cast<const QGraphicsItemGroup *>(item->parentItem()) && !item->toPlainText().isEmpty())
            found.push_back(detail::textOf(chart, *item));
    }
    return found;
}

// The values that a value axis ticks at, from its smallest up.
inline std::vector<double> ticks(const QValueAxis &axis) {
    std::vector<double> values;
    const double interval = axis.tickInterval();
    const double slack = interval * 1e-6;
    for (double k = std::ceil((axis.min() - slack) / interval); k * interval <= axis.max() + slack; ++k)
        values.push_back(k * interval);
    return values;
}

// Every tick of every plain number axis shown has a label that reads as its value in the user's
// locale.
inline void expectNumbersAtEveryTick(const QChart &chart, const std::string &graph) {
    for (QAbstractAxis *axis : chart.axes()) {
        if (axis->type() != QAbstractAxis::AxisTypeValue || !axis->isVisible())
            continue;
        const auto &values = static_cast<const QValueAxis &>(*axis);
        std::vector<double> read;
        for (const Text &label : labels(chart, values)) {
            bool number = false;
            read.push_back(QLocale().toDouble(label.text, &number));
            EXPECT_TRUE(number) << graph << ": \"" << label.text.toStdString() << "\"";
        }
        std::sort(read.begin(), read.end());
        const std::vector<double> expected = ticks(values);
        ASSERT_EQ(read.size(), expected.size()) << graph << ", " << values.titleText().toStdString();
        for (std::size_t i = 0; i < expected.size(); ++i)
            EXPECT_NEAR(read[i], expected[i], values.tickInterval() / 1000) << graph;
    }
}

} // namespace shown
