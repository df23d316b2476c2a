#include "charts/TopTitle.h"

#include "charts/ChartFrame.h"

#include <QAbstractAxis>
#include <QChart>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QtMath>

namespace charts {
namespace {

const QString kName = QStringLiteral("topTitle");

QGraphicsTextItem *topTitle(const QChart &chart) {
    for (QGraphicsItem *item : chart.childItems()) {
        if (auto *text = dynamic_cast<QGraphicsTextItem *>(item); text && text->objectName() == kName)
            return text;
    }
    return nullptr;
}

} // namespace

void addTopTitle(QChart &chart, const QString &title, const QAbstractAxis &styleOf) {
    auto *text = new QGraphicsTextItem(title, &chart);
    text->setObjectName(kName);
    text->setFont(styleOf.titleFont());
    text->setDefaultTextColor(styleOf.titleBrush().color());
    text->document()->setDocumentMargin(0);
    belongsToGraph(*text);
    // The margin above the plot makes its room.
    const QSizeF size = text->boundingRect().size();
    QMargins margins = chart.margins();
    margins.setTop(margins.top() + qCeil(size.height()));
    chart.setMargins(margins);
    const auto place = [&chart, text, size] {
        const QRectF plot = chart.plotArea();
        text->setPos(plot.center().x() - size.width() / 2, plot.top() - size.height());
    };
    QObject::connect(&chart, &QChart::plotAreaChanged, text, place);
    place();
}

QString topTitleLine(const QChart &chart) {
    const QGraphicsTextItem *text = topTitle(chart);
    if (!text)
        return {};
    const QFont font = text->font();
    return QStringLiteral(
               "<span style=\"font-family:'%1'; font-size:%2pt; font-weight:%3; color:%4\">%5</span>")
        .arg(font.family())
        .arg(font.pointSizeF())
        .arg(font.bold() ? 700 : 400)
        .arg(text->defaultTextColor().name(), text->toPlainText().toHtmlEscaped());
}

void showTopTitle(QChart &chart, bool shown) {
    if (QGraphicsTextItem *text = topTitle(chart))
        text->setVisible(shown);
}

} // namespace charts
