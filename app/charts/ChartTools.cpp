#include "charts/ChartTools.h"

#include "charts/ChartFrame.h"
#include "charts/TopTitle.h"
#include "core/modLocalisation.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFileInfo>
#include <QImageWriter>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStyle>
#include <QToolBar>

#include <utility>

namespace charts {
namespace {

constexpr int kSaveCaption = 1604;
constexpr int kPictureName = 1382;
constexpr int kSaveFailed = 1491;
constexpr int kReplaceQuestion = 1760;
constexpr int kPrintFailed = 1761;
constexpr int kJpegFiles = 1842;
constexpr int kAllFiles = 1841;
const QString kProgramTitle = QStringLiteral("Runvella");

PrinterChooser &printerChooser() {
    static PrinterChooser chooser = [](QPrinter &printer, QWidget *parent) {
        QPrintDialog dialog(&printer, parent);
        const platform::cursor::NormalCursor normal;
        return dialog.exec() == QDialog::Accepted;
    };
    return chooser;
}

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

// Enables the toolbar's buttons whenever the chart view is shown or hidden in its window.
class ShownChartTools : public QObject {
public:
    ShownChartTools(QToolBar &toolbar, QWidget &chartView) : QObject(&toolbar), toolbar_(toolbar) {
        chartView.installEventFilter(this);
        offer(chartView.isVisibleTo(chartView.window()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)
            offer(event->type() == QEvent::ShowToParent);
        return QObject::eventFilter(watched, event);
    }

private:
    void offer(bool shown) {
        for (QAction *tool : toolbar_.actions())
            tool->setEnabled(shown);
    }

    QToolBar &toolbar_;
};

} // namespace

DescribedTitle::DescribedTitle(QChart &chart, const QStringList &lines)
    : chart_(chart), kept_(chart.title()) {
    QStringList shown;
    if (!kept_.isEmpty())
        shown << kept_;
    for (const QString &line : lines)
        shown << line.toHtmlEscaped();
    // The chart's title stands between the margins and the plot, where a title above the plot
    // stands too: that one joins these lines for the time being.
    const QString top = topTitleLine(chart);
    if (!top.isEmpty()) {
        shown << top;
        showTopTitle(chart, false);
    }
    chart_.setTitle(shown.join(QStringLiteral("<br>")));
}

DescribedTitle::~DescribedTitle() {
    chart_.setTitle(kept_);
    showTopTitle(chart_, true);
}

void SaveChartPicture(QChart &chart, QWidget *parent, const QString &pictureName) {
    const QString name = pictureName.isEmpty() ? text(kPictureName) : pictureName;
    const QString path = platform::dialogs::saveFileName(text(kSaveCaption), name + ".jpg",
                                                         text(kJpegFiles) + ";;" + text(kAllFiles), parent,
                                                         platform::dialogs::Overwrite::CallerAsks);
    if (path.isEmpty())
        return;
    if (QFileInfo::exists(path) &&
        platform::dialogs::message(text(kReplaceQuestion).arg(QFileInfo(path).fileName()), kProgramTitle,
                                   platform::dialogs::Icon::Warning, platform::dialogs::Buttons::YesNo,
                                   parent) != platform::dialogs::Answer::Yes)
        return;
    QImageWriter writer(path, "jpeg");
    writer.setQuality(kPictureQuality);
    bool written = false;
    {
        const platform::cursor::BusyCursor busy;
        written = writer.write(renderImage(chart, kPictureSize));
    }
    if (!written)
        platform::dialogs::message(text(kSaveFailed) + QString::number(static_cast<int>(writer.error())),
                                   kProgramTitle, platform::dialogs::Icon::None,
                                   platform::dialogs::Buttons::Ok, parent);
}

void PrintChart(QChart &chart, QWidget *parent) {
    QPrinter printer;
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!printerChooser()(printer, parent))
        return;
    QPainter painter;
    if (!painter.begin(&printer)) {
        platform::dialogs::message(text(kPrintFailed), kProgramTitle, platform::dialogs::Icon::Warning,
                                   platform::dialogs::Buttons::Ok, parent);
        return;
    }
    // The picture's proportions, as large as the page allows.
    const QRectF page = painter.viewport();
    const QSizeF fitted = QSizeF(kPictureSize).scaled(page.size(), Qt::KeepAspectRatio);
    renderInto(chart, painter, QRectF(page.topLeft(), fitted), kPictureSize);
}

void CopyChart(QChart &chart) {
    const QSize shown = chart.size().toSize();
    QApplication::clipboard()->setImage(renderImage(chart, shown.isEmpty() ? kPictureSize : shown));
}

void RunChartTool(QChart &chart, const QString &key, const QStringList &titleLines, QWidget *parent,
                  const QString &pictureName) {
    const DescribedTitle described(chart, titleLines);
    if (key == QLatin1String("save"))
        SaveChartPicture(chart, parent, pictureName);
    else if (key == QLatin1String("print"))
        PrintChart(chart, parent);
    else if (key == QLatin1String("clipboard"))
        CopyChart(chart);
}

void AddChartToolButtons(QToolBar &toolbar) {
    const struct {
        const char *key;
        QStyle::StandardPixmap icon;
        int tooltip;
    } tools[] = {{"save", QStyle::SP_DialogSaveButton, 1612},
                 {"print", QStyle::SP_FileDialogDetailedView, 1613},
                 {"clipboard", QStyle::SP_FileDialogContentsView, 1614}};
    for (const auto &tool : tools) {
        QAction *button = toolbar.addAction(toolbar.style()->standardIcon(tool.icon), QString());
        button->setObjectName(tool.key);
        button->setProperty("tag", tool.tooltip);
        toolbar.widgetForAction(button)->setFocusPolicy(Qt::TabFocus);
    }
}

void OfferToolsWhileShown(QToolBar &toolbar, QWidget &chartView) {
    new ShownChartTools(toolbar, chartView);
}

PrinterChooser setPrinterChooser(PrinterChooser chooser) {
    return std::exchange(printerChooser(), std::move(chooser));
}

} // namespace charts
