#include "sessionview/PaneChartTools.h"

#include "charts/ChartTools.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>

namespace sessionview {
namespace {

// Shown on its window, whether or not that window is on the screen yet.
bool shown(const QWidget &control) {
    return control.isVisibleTo(control.window());
}

} // namespace

QStringList GraphDescription(const SessionPane &pane) {
    if (shown(*pane.Combo1)) {
        QStringList lines{pane.Combo1->currentText()};
        if (shown(*pane.Combo2))
            lines << pane.Combo2->currentText();
        return lines;
    }
    QString caption = pane.GraphLabel->text();
    const qsizetype gap = caption.indexOf(QLatin1String("   "));
    if (gap >= 0)
        caption.truncate(gap + 1);
    return {caption};
}

void Toolbar2_ButtonClick(const SessionPane &pane, const QString &key, QWidget *parent) {
    charts::RunChartTool(*pane.TChart3->chart(), key, GraphDescription(pane), parent);
}

} // namespace sessionview
