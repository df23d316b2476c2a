// The main window's menu commands and image links.
#include "mainwindow/frmMain.h"

#include "analysis/AnalysisWindows.h"
#include "core/ImageControls.h"
#include "core/frmAbout.h"
#include "core/modLocalisation.h"
#include "entry/EntryWindows.h"
#include "exchange/ExchangeWindows.h"
#include "mainwindow/WebLinks.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"
#include "platform/Paths.h"
#include "platform/ReportedFailures.h"
#include "preferences/PreferencesWindows.h"
#include "transfer/frmMerge1.h"
#include "transfer/modTransfer.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QUrl>

namespace {

constexpr int kPartnerLink = 1;
constexpr int kPressedPicture = 20;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

// An image link's "tag" names its picture; the pressed picture is 20 further on.
void showPicture(ImageBox *link, bool pressed) {
    link->setPixmap(ResourceBitmap(link->property("tag").toInt() + (pressed ? kPressedPicture : 0)));
}

} // namespace

void frmMain::connectCommands() {
    const auto command = [this](QAction *entry, void (frmMain::*handler)()) {
        connect(entry, &QAction::triggered, this,
                [this, handler] { platform::failures::runReported([&] { (this->*handler)(); }); });
    };
    command(mnuFileSynchronize, &frmMain::mnuFileSynchronize_Click);
    command(mnuAddActivity, &frmMain::mnuAddActivity_Click);
    connect(mnuDeleteActivity, &QAction::triggered, this, &frmMain::mnuDeleteActivity_Click);
    command(mnuFileImport, &frmMain::mnuFileImport_Click);
    command(mnuExport, &frmMain::mnuExport_Click);
    command(mnuNMEAExport, &frmMain::mnuNMEAExport_Click);
    command(mnuUpload, &frmMain::mnuUpload_Click);
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    command(mnuViewOptions, &frmMain::mnuViewOptions_Click);
    command(mnuTargets, &frmMain::mnuTargets_Click);
    connect(mnuMergeSessions, &QAction::triggered, this, &frmMain::mnuMergeSessions_Click);
    command(mnuHelpContents, &frmMain::mnuHelpContents_Click);
    command(mnuProductPartners, &frmMain::mnuProductPartners_Click);
    command(mnuHelpAbout, &frmMain::mnuHelpAbout_Click);

    for (int index = 0; index < static_cast<int>(resImage.size()); ++index) {
        ImageBox *link = resImage[static_cast<std::size_t>(index)];
        connect(link, &ImageBox::mouseDown, this,
                [this, index](Qt::MouseButton button) { resImage_MouseDown(index, button); });
        connect(link, &ImageBox::mouseUp, this, [this, index](Qt::MouseButton button) {
            platform::failures::runReported([&] { resImage_MouseUp(index, button); });
        });
        connect(link, &ImageBox::clicked, this,
                [this, index] { platform::failures::runReported([&] { resImage_Click(index); }); });
    }
    for (ImageBox *link : {resImagePlot, resSummary}) {
        connect(link, &ImageBox::mouseDown, link, [link] { showPicture(link, true); });
        connect(link, &ImageBox::mouseUp, link, [link] { showPicture(link, false); });
    }
    connect(resImagePlot, &ImageBox::clicked, this,
            [this] { platform::failures::runReported([this] { resImagePlot_Click(); }); });
    connect(resSummary, &ImageBox::clicked, this,
            [this] { platform::failures::runReported([this] { resSummary_Click(); }); });
    connect(ImgInternational, &ImageBox::clicked, this, &frmMain::ImgInternational_Click);
}

void frmMain::RunBrowser(const QString &url, std::int16_t) {
    // Nothing is said when no browser opens.
    QDesktopServices::openUrl(QUrl(url));
}

void frmMain::launchSetupWizard() {
    preferences::showSetupWizard(this);
}

void frmMain::mnuFileSynchronize_Click() {
    modTransfer::TransferFromDevice();
}

void frmMain::mnuAddActivity_Click() {
    gEditExisting = false;
    entry::showAddWorkout(this);
}

void frmMain::mnuFileImport_Click() {
    const QString path =
        platform::dialogs::openFileName(text(1404), QDir(platform::paths::dataDir()).filePath("data"),
                                        text(1300).trimmed() + " (*.csv);;" + text(1841), this);
    if (path.isEmpty())
        return;
    try {
        const platform::cursor::BusyCursor busy;
        exchange::ImportDataFile(path);
        DisplayActivity(MonthView1->SelStart(), MonthView1->SelEnd(), 0);
    } catch (const std::exception &failure) {
        platform::dialogs::message(platform::failures::describe(failure), "Runvella",
                                   platform::dialogs::Icon::None, platform::dialogs::Buttons::Ok, this);
    }
}

void frmMain::mnuExport_Click() {
    gExportMode = 1;
    exchange::showExport(this);
}

void frmMain::mnuNMEAExport_Click() {
    gExportMode = 2;
    exchange::showExport(this);
}

void frmMain::mnuUpload_Click() {
    exchange::showTrenloSync(this);
}

void frmMain::mnuViewOptions_Click() {
    preferences::showOptions(this, false);
    // The activity's graph follows the preferences it was drawn with.
    if (gCurrentGraph == "session") {
        gShownSessionKey = 0;
        showSessionGraph(gCurrentSessionKey);
    }
}

void frmMain::mnuTargets_Click() {
    preferences::showOptions(this, true);
}

void frmMain::mnuMergeSessions_Click() {
    const QDate kept = MonthView1->selectedDate();
    platform::failures::runReported([&] {
        frmMerge1 merge;
        connect(&merge, &frmMerge1::activitiesChanged, this, &frmMain::showMergedActivity);
        merge.exec();
    });
    MonthView1->setSelectedDate(kept);
}

void frmMain::mnuHelpContents_Click() {
    ShowHelpContents();
}

void frmMain::mnuProductPartners_Click() {
    RunBrowser(WebLinks::Address(gIsUnitedStates ? WebLinks::Page::LinksUnitedStates
                                                 : WebLinks::Page::LinksInternational),
               1);
}

void frmMain::mnuHelpAbout_Click() {
    frmAbout about(this);
    about.exec();
}

void frmMain::resImage_MouseDown(int index, Qt::MouseButton) {
    linkPressed_ = true;
    showPicture(resImage[static_cast<std::size_t>(index)], true);
}

// The partner's link acts on the release: its right button uploads, its left opens its page.
void frmMain::resImage_MouseUp(int index, Qt::MouseButton button) {
    showPicture(resImage[static_cast<std::size_t>(index)], false);
    const bool pressed = linkPressed_;
    linkPressed_ = false;
    if (!pressed || index != kPartnerLink)
        return;
    if (button == Qt::RightButton)
        exchange::showTrenloSync(this);
    else if (button == Qt::LeftButton)
        RunBrowser(WebLinks::Address(WebLinks::Page::Partner), 1);
}

void frmMain::resImage_Click(int index) {
    switch (index) {
    case 0:
        RunBrowser(WebLinks::Address(WebLinks::Page::EventRegistration), 1);
        break;
    case 2:
        RunBrowser(WebLinks::Address(WebLinks::Page::MakerHome), 1);
        break;
    case 3:
        mnuAddActivity_Click();
        break;
    case 4:
        deleteSelectedActivity(DeleteForm::ImageLink);
        break;
    case 5:
        platform::cursor::setBusy(false);
        analysis::showTabularData(this);
        break;
    case 6:
        if (gCurrentGraph.contains(QLatin1String("session"), Qt::CaseSensitive)) {
            gShownSessionKey = 0;
            showSessionGraph(gCurrentSessionKey);
        } else {
            showMainGraph();
        }
        resImage[6]->hide();
        break;
    default: // the partner's link acts on the release
        break;
    }
}

void frmMain::resImagePlot_Click() {
    analysis::showPlotTrack();
}

void frmMain::resSummary_Click() {
    resSummary->hide();
    GraphLabel->hide();
    gCurrentGraph = "summary";
    showMainGraph();
}

void frmMain::ImgInternational_Click() {
    RunBrowser(WebLinks::Address(WebLinks::Page::MakerHome), 1);
}
