#include "analysis/frmPlotTrack.h"

#include "analysis/CourseSamples.h"
#include "analysis/ListRoom.h"
#include "analysis/ReportList.h"
#include "analysis/TrackChart.h"
#include "analysis/TrackPlot.h"
#include "analysis/frmTabularData2.h"
#include "charts/ChartFrame.h"
#include "charts/ChartTools.h"
#include "charts/ChartView.h"
#include "core/FormControls.h"
#include "core/Globals.h"
#include "core/ImageControls.h"
#include "core/LocalizeForm.h"
#include "core/StoredActivity.h"
#include "core/modLocalisation.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

using modLocalisation::LoadResString;

namespace {

constexpr std::array<int, 3> kImageIds{1611, 1610, 1704};
// A pressed image shows the bitmap of its id plus this.
constexpr int kPressedOffset = 20;

int markerTitleId(const QString &unit) {
    if (unit == QLatin1String("km"))
        return 1670;
    if (unit == QLatin1String("nm"))
        return 1671;
    return 1669;
}

void showMessage(QWidget *owner, int id) {
    platform::dialogs::message(LoadResString(id), QStringLiteral("Runvella"), platform::dialogs::Icon::None,
                               platform::dialogs::Buttons::Ok, owner);
}

// The main window's table of lines is lent to the sample table and given back as it was, whatever
// happens while it is lent.
class LentGraphTable {
public:
    LentGraphTable() { gTrackTable = gGraphTable; }
    ~LentGraphTable() { gGraphTable = gTrackTable; }
    LentGraphTable(const LentGraphTable &) = delete;
    LentGraphTable &operator=(const LentGraphTable &) = delete;
};

} // namespace

frmPlotTrack::frmPlotTrack(QWidget *parent)
    : QDialog(parent), TChart1(named(new charts::ChartView(new QChart, this), "TChart1")),
      lstStats(named(new QTableWidget(this), "lstStats")), Label1(named(new QLabel(this), "Label1", 1678)),
      Label2(named(new QLabel(this), "Label2", 1696)), cmbUnits(named(new QComboBox(this), "cmbUnits")),
      chkDisableMarkers(named(new QCheckBox(this), "chkDisableMarkers", 1724)),
      chkLegend(named(new QCheckBox(this), "chkLegend", 1674)), resImage{},
      Toolbar2(named(new QToolBar(this), "Toolbar2")), cmdOK(named(new QPushButton(this), "cmdOK", 1452)) {
    setObjectName("frmPlotTrack");
    setProperty("tag", 1647);
    setModal(true);
    for (std::size_t i = 0; i < resImage.size(); ++i) {
        resImage[i] = new ImageBox(this);
        resImage[i]->setObjectName(QStringLiteral("resImage%1").arg(i));
        resImage[i]->setProperty("tag", kImageIds[i]);
        connect(resImage[i], &ImageBox::clicked, this, [this, i] { resImage_Click(static_cast<int>(i)); });
        connect(resImage[i], &ImageBox::mouseDown, this,
                [this, i] { resImage[i]->setPixmap(ResourceBitmap(kImageIds[i] + kPressedOffset)); });
        connect(resImage[i], &ImageBox::mouseUp, this,
                [this, i] { resImage[i]->setPixmap(ResourceBitmap(kImageIds[i])); });
    }
    charts::AddChartToolButtons(*Toolbar2);
    Toolbar2->setMinimumSize(Toolbar2->sizeHint());
    connect(Toolbar2, &QToolBar::actionTriggered, this, &frmPlotTrack::Toolbar2_ButtonClick);
    // Once the athlete has zoomed or moved the plot, the way back to the drawn view stays offered.
    connect(TChart1, &charts::ChartView::zoomed, resImage[1], &QWidget::show);
    connect(TChart1, &charts::ChartView::scrolled, resImage[1], &QWidget::show);

    analysis::PrepareReportList(lstStats, false);
    charts::setUpChart(*TChart1->chart());
    TChart1->setRenderHint(QPainter::Antialiasing);
    TChart1->setMinimumSize(400, 360);

    // The chart's tools have a row of their own: the way back to the drawn view, when it joins
    // the images, takes no room from them.
    auto *images = new QHBoxLayout;
    for (ImageBox *image : resImage)
        images->addWidget(image);
    images->addStretch(1);
    auto *tools = new QVBoxLayout;
    tools->addLayout(images);
    tools->addWidget(Toolbar2);
    auto *choices = new QVBoxLayout;
    for (QWidget *control : std::initializer_list<QWidget *>{Label2, cmbUnits, chkDisableMarkers, chkLegend})
        choices->addWidget(control);
    Label2->setBuddy(cmbUnits);
    choices->addLayout(tools);
    choices->addStretch(1);
    auto *layout = new QGridLayout(this);
    layout->addWidget(TChart1, 0, 0, 1, 1);
    layout->addLayout(choices, 0, 1);
    layout->addWidget(Label1, 1, 0, 1, 2);
    layout->addWidget(lstStats, 2, 0, 1, 2);
    layout->addWidget(cmdOK, 3, 1, Qt::AlignRight);
    layout->setRowStretch(0, 3);
    layout->setRowStretch(2, 1);
    layout->setColumnStretch(0, 1);

    lstStats->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
    connect(cmbUnits, &QComboBox::activated, this, [this] { redraw(true); });
    // The boxes act on their state, however it changed: a click, the keyboard or a screen reader.
    connect(chkDisableMarkers, &QCheckBox::toggled, this, [this] { redraw(false); });
    connect(chkLegend, &QCheckBox::toggled, this, [this] { redraw(false); });

    // The statistics keep room for several rows below the chart, and the window opens laid out
    // around them.
    lstStats->setMinimumHeight(analysis::OpeningListHeight(*lstStats));
    resize(sizeHint());
    layout->activate();
    resize(analysis::OpeningSize(*this, *lstStats, minimumSizeHint().width()));
}

void frmPlotTrack::Form_Load() {
    resImage[1]->hide();
    const platform::cursor::BusyCursor busy;
    modLocalisation::LocalizeForm(this);
    lstStats->setAccessibleName(Label1->text());
    cmbUnits->addItems(analysis::MarkerIntervalTexts(gPrimaryUnit));
    cmbUnits->setCurrentIndex(0);
    platform::failures::runReported([this] {
        // The window opens in every case; without a track it says why and shows nothing.
        if (!ReadActivity(gCurrentSessionKey)) {
            const platform::cursor::NormalCursor waiting;
            showMessage(this, 1648);
        } else if (!analysis::StartsWithPosition(gCurrentSessionKey)) {
            const platform::cursor::NormalCursor waiting;
            showMessage(this, 1650);
        }
        SetupListControl();
        PlotTrack();
    });
}

analysis::CourseSettings frmPlotTrack::settings() const {
    return {.interval = analysis::MarkerInterval(cmbUnits->currentIndex()),
            .unit = gPrimaryUnit,
            .heavySmoothing = gUseSmoothing,
            .withPositions = true,
            .withHeartRate = m_SessionType == 20};
}

void frmPlotTrack::SetupListControl() {
    const auto activity = ReadActivity(gCurrentSessionKey);
    m_SessionType = activity ? activity->type : 0;
    analysis::SetCourseColumns(lstStats, settings());
}

void frmPlotTrack::PlotTrack() {
    lstStats->setRowCount(0);
    gPlotSessionKey = gCurrentSessionKey;
    const auto activity = ReadActivity(gPlotSessionKey);
    std::vector<analysis::CourseSample> samples;
    if (activity && analysis::StartsWithPosition(gPlotSessionKey))
        samples = analysis::ReadCourseSamples(gPlotSessionKey);
    const analysis::CourseSettings chosen = settings();
    std::vector<analysis::HeartRateSample> heartRates;
    if (chosen.withHeartRate && !samples.empty())
        heartRates = analysis::ReadHeartRateSamples(gPlotSessionKey);

    const auto rows = analysis::FillData(samples, heartRates, chosen);
    for (const analysis::CourseRow &row : rows)
        analysis::AddRow(lstStats, row.fields);
    analysis::FitColumnsToEntries(lstStats, analysis::WidestColumn(*this, *lstStats));

    analysis::TrackChartOptions options;
    if (activity)
        options.header = LoadResString(1714) + QLatin1Char(' ') +
                         QLocale().toString(activity->start, QLocale::ShortFormat);
    options.markerTitle = LoadResString(markerTitleId(gPrimaryUnit));
    options.markers = !chkDisableMarkers->isChecked();
    options.legend = !chkLegend->isChecked();
    analysis::DrawTrack(*TChart1->chart(), analysis::PlotTrack(samples, rows), options);
}

void frmPlotTrack::redraw(bool withColumns) {
    platform::failures::runReported([this, withColumns] {
        if (withColumns)
            SetupListControl();
        PlotTrack();
    });
}

void frmPlotTrack::CopyData() {
    QApplication::clipboard()->setText(analysis::SelectedRowsText(lstStats, lstStats->columnCount(), true));
}

void frmPlotTrack::resImage_Click(int index) {
    switch (index) {
    case 0:
        showSampleTable();
        break;
    case 1:
        redraw(true);
        break;
    case 2:
        CopyData();
        break;
    default:
        break;
    }
}

void frmPlotTrack::showSampleTable() {
    platform::failures::runReported([this] {
        const LentGraphTable lent;
        {
            const platform::cursor::BusyCursor busy;
            gGraphTable = analysis::TrackTableLines(analysis::ReadCourseSamples(gCurrentSessionKey),
                                                    gPrimaryUnit, gUseSmoothing);
        }
        frmTabularData2 viewer(this);
        viewer.exec();
    });
}

void frmPlotTrack::Toolbar2_ButtonClick(const QAction *button) {
    charts::RunChartTool(*TChart1->chart(), button->objectName(), {}, this, LoadResString(1647));
}

bool frmPlotTrack::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        lstStats->setFocus();
    return QDialog::event(event);
}

bool frmPlotTrack::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstStats && event->type() == QEvent::KeyPress &&
        analysis::HandleListKey(static_cast<QKeyEvent *>(event), lstStats, [this] { CopyData(); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

void frmPlotTrack::keyPressEvent(QKeyEvent *event) {
    if (!analysis::HandleListKey(event, lstStats, [this] { CopyData(); }))
        QDialog::keyPressEvent(event);
}
