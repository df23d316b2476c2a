#include "mainwindow/frmMain.h"

#include "charts/ChartTools.h"
#include "charts/ChartView.h"
#include "core/ActivityCalendar.h"
#include "core/Globals.h"
#include "core/HTMLHelp.h"
#include "core/ImageControls.h"
#include "core/LocalizeForm.h"
#include "core/modInstance.h"
#include "core/modLocalisation.h"
#include "core/modPreferences.h"
#include "core/modRegistry.h"
#include "exchange/ExchangeWindows.h"
#include "mainwindow/ChoiceLine.h"
#include "mainwindow/DatabaseCompaction.h"
#include "mainwindow/MonthView.h"
#include "mainwindow/WindowPicture.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/LocalMessage.h"
#include "platform/ReportedFailures.h"
#include "platform/WindowActivation.h"
#include "transfer/modTransfer.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int kDefaultHeightTwips = 8800;
constexpr int kDefaultWidthTwips = 9465;
constexpr int kTwipsPerInch = 1440;

// The controls are placed by hand at their designed places inside an area of this size below
// the menu bar; the window's anchored layout moves them from there as the window is resized.
constexpr QSize kDesignArea(600, 530);
constexpr QSize kImageLinkSize(48, 48);
// The image links on the right of the graph pane stand in this column.
constexpr int kLinkColumn = 546;
// The designed widths of the graph list and the series lists: they grow to their entries.
constexpr int kGraphListWidth = 150;
constexpr int kSeriesListWidth = 100;
constexpr int kChoiceGap = 4;

QMenu *menuOf(QMenuBar *bar, const char *name, int id, const char *designText) {
    QMenu *menu = bar->addMenu(QString::fromUtf8(designText));
    menu->setObjectName(name);
    menu->menuAction()->setProperty("tag", id);
    return menu;
}

QAction *menuEntry(QMenu *menu, const char *name, int id, const char *designText) {
    QAction *entry = menu->addAction(QString::fromUtf8(designText));
    entry->setObjectName(name);
    entry->setProperty("tag", id);
    return entry;
}

// A separator carries no text: the style would draw it as a heading.
QAction *menuSeparator(QMenu *menu, const char *name) {
    QAction *separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QLabel *label(QWidget *parent, const char *name, int id, const char *designText, const QRect &place) {
    auto *created = new QLabel(QString::fromUtf8(designText), parent);
    created->setObjectName(name);
    if (id > 0)
        created->setProperty("tag", id);
    created->setGeometry(place);
    return created;
}

QComboBox *dropDownList(QWidget *parent, const char *name, const QRect &place) {
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->setGeometry(place);
    return list;
}

// Qt names a drop-down list on Linux by its current entry and leaves its name to the labels that
// point at it, so a list whose words stand on both sides of it gets an unseen label of its own.
QLabel *unseenLabel(QComboBox *list) {
    auto *label = new QLabel(list->parentWidget());
    label->setBuddy(list);
    label->hide();
    return label;
}

// An image link: its "tag" N names its tool tip and its picture, N + 20 its pressed picture.
ImageBox *imageLink(QWidget *parent, const QString &name, int id, QPoint topLeft) {
    auto *link = new ImageBox(parent);
    link->setObjectName(name);
    link->setProperty("tag", id);
    link->setGeometry(QRect(topLeft, kImageLinkSize));
    return link;
}

// The elements of the image-link array share one name and are told apart by their index.
ImageBox *imageArrayElement(QWidget *parent, int index, int id, QPoint topLeft) {
    ImageBox *element = imageLink(parent, "resImage", id, topLeft);
    element->setProperty("Index", index);
    return element;
}

int readSize(const char *valueName, int defaultTwips) {
    QVariant stored = 0;
    modRegistry::ReadRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, valueName, "D",
                                   0, stored);
    return stored.toInt() >= 1 ? stored.toInt() : defaultTwips;
}

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

// After an upgrade the heart-rate zones are kept as they were entered, once, with a notice.
void applyZonesNotice(QWidget *owner) {
    QVariant notice = 0;
    modRegistry::ReadRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, "ZoneMsg", "D",
                                   0, notice);
    if (notice.toInt() != 1)
        return;
    modPreferences::KeepZonesAsEntered(); // the preferences were loaded before
    platform::dialogs::message(text(1720), "Runvella", platform::dialogs::Icon::Information,
                               platform::dialogs::Buttons::Ok, owner);
    modRegistry::WriteRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, "ZoneMsg",
                                    "D", 0);
}

} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent) {
    setObjectName("frmMain");
    setProperty("tag", 1300);
    setWindowTitle("Runvella");
    buildMenus();

    auto *central = new QWidget(this);
    setCentralWidget(central);
    picture_ = new QLabel(central);
    picture_->setObjectName("picture");
    buildCalendarSide(central);
    buildGraphSide(central);

    listener_ = new platform::localmessage::Listener(
        [this](const QString &message) { messageArrived(message); }, this);
    connectCommands();
    connectPeriods();
    connectActivityList();
    connectSessionView();

    // The anchors are recorded at the designed size; Form_Load then applies the stored size.
    resize(kDesignArea.width(), kDesignArea.height() + menuBar()->sizeHint().height());
    arrangeChoiceLines();
    layout_.SetLayout(this, clsLayout::MainWindowAnchors(this));
    // Below its designed size the layout would keep the designed places and cut the controls off.
    setMinimumSize(size());
}

frmMain::~frmMain() {
    if (gMainForm == this)
        gMainForm = nullptr;
}

void frmMain::buildMenus() {
    mnuFile = menuOf(menuBar(), "mnuFile", 1301, "&File");
    mnuFileSynchronize = menuEntry(mnuFile, "mnuFileSynchronize", 1302, "&Transfer Data From Recorder");
    mnuFileBar0 = menuSeparator(mnuFile, "mnuFileBar0");
    mnuAddActivity = menuEntry(mnuFile, "mnuAddActivity", 1303, "&Record Activity");
    mnuDeleteActivity = menuEntry(mnuFile, "mnuDeleteActivity", 1304, "&Delete Activity");
    mnuFileBar00 = menuSeparator(mnuFile, "mnuFileBar00");
    mnuFileImport = menuEntry(mnuFile, "mnuFileImport", 1305, "&Import Runvella File");
    mnuExport = menuEntry(mnuFile, "mnuExport", 1306, "&Export Runvella File");
    mnuNMEAExport = menuEntry(mnuFile, "mnuNMEAExport", 1642, "Export &NMEA File");
    mnuFileBar000 = menuSeparator(mnuFile, "mnuFileBar000");
    mnuUpload = menuEntry(mnuFile, "mnuUpload", 1307, "&Upload to Trenlo");
    // The upload is reached through the partner's image link; its menu entry stays switched off.
    mnuFileBar000->setVisible(false);
    mnuUpload->setVisible(false);
    mnuFileBar1 = menuSeparator(mnuFile, "mnuFileBar1");
    mnuFileExit = menuEntry(mnuFile, "mnuFileExit", 1308, "E&xit");

    mnuView = menuOf(menuBar(), "mnuView", 1309, "E&dit");
    mnuViewOptions = menuEntry(mnuView, "mnuViewOptions", 1310, "&Preferences");
    mnuTargets = menuEntry(mnuView, "mnuTargets", 1311, "&Goals");
    mnuMergeSessions = menuEntry(mnuView, "mnuMergeSessions", 1655, "&Merge Sessions");

    mnuHelp = menuOf(menuBar(), "mnuHelp", 1312, "&Help");
    mnuHelpContents = menuEntry(mnuHelp, "mnuHelpContents", 1313, "&Contents");
    mnuProductPartners = menuEntry(mnuHelp, "mnuProductPartners", 1711, "&Velko Data Recorder on the Web");
    mnuHelpBar0 = menuSeparator(mnuHelp, "mnuHelpBar0");
    mnuHelpAbout = menuEntry(mnuHelp, "mnuHelpAbout", 1315, "&About");
}

void frmMain::buildCalendarSide(QWidget *area) {
    MonthView1 = new MonthView(area);
    MonthView1->setObjectName("MonthView1");
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    MonthView1->setGeometry(6, 6, 231, 150);

    lblInternational = label(area, "lblInternational", 1802, "Web Links", QRect(6, 160, 150, 16));
    const int promotions[] = {1605, 1606, 1607};
    for (int index = 0; index < 3; ++index)
        resImage[index] = imageArrayElement(area, index, promotions[index], QPoint(6 + 52 * index, 176));
    ImgInternational = new ImageBox(area);
    ImgInternational->setObjectName("ImgInternational");
    ImgInternational->setPixmap(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(32, 32));
    ImgInternational->setAlignment(Qt::AlignCenter);
    ImgInternational->setGeometry(QRect(QPoint(162, 176), kImageLinkSize));

    ListView1 = new QTreeWidget(area);
    ListView1->setObjectName("ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setGeometry(243, 6, 351, 218);
}

void frmMain::buildGraphSide(QWidget *area) {
    // The choice of a summary graph and the choice of an activity's series share one line: the
    // pane shows one or the other.
    lblSelectGraph = label(area, "lblSelectGraph", 1318, "Select graph:", QRect(6, 244, 136, 24));
    Combo1 = dropDownList(area, "Combo1", QRect(144, 244, kGraphListWidth, 24));
    Label3 = label(area, "Label3", 1319, "For:", QRect(326, 244, 70, 24));
    Label3->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Combo2 = dropDownList(area, "Combo2", QRect(400, 244, 140, 24));

    lblGraphLeft1 = label(area, "lblGraphLeft1", 1621, "Show", QRect(6, 244, 50, 24));
    cmbGraph1 = dropDownList(area, "cmbGraph1", QRect(58, 244, kSeriesListWidth, 24));
    lblGraphLeft2 = label(area, "lblGraphLeft2", 1721, "on Left", QRect(160, 244, 86, 24));
    resSummary = imageLink(area, "resSummary", 1690, QPoint(250, 232));
    lblGraphRight1 = label(area, "lblGraphRight1", 1621, "Show", QRect(302, 244, 50, 24));
    cmbGraph2 = dropDownList(area, "cmbGraph2", QRect(354, 244, kSeriesListWidth, 24));
    lblGraphRight2 = label(area, "lblGraphRight2", 1722, "on Right", QRect(456, 244, 84, 24));

    GraphLabel = label(area, "GraphLabel", 0, "", QRect(6, 284, 534, 20));
    GraphLabel->setAlignment(Qt::AlignCenter);

    // The note stands in the graph's place while there is no graph to show.
    const QRect pane(6, 308, 534, 170);
    auto *chart = new QChart;
    chart->legend()->hide();
    TChart3 = new charts::ChartView(chart, area);
    TChart3->setObjectName("TChart3");
    TChart3->setRenderHint(QPainter::Antialiasing);
    TChart3->setGeometry(pane);
    lblNote = label(area, "lblNote", 0, "", pane);
    lblNote->setAlignment(Qt::AlignCenter);
    lblNote->setWordWrap(true);

    resImage[3] = imageArrayElement(area, 3, 1608, QPoint(kLinkColumn, 232));
    resImage[4] = imageArrayElement(area, 4, 1609, QPoint(kLinkColumn, 284));
    resImagePlot = imageLink(area, "resImagePlot", 1647, QPoint(kLinkColumn, 372));
    resImage[5] = imageArrayElement(area, 5, 1611, QPoint(kLinkColumn, 424));
    resImage[6] = imageArrayElement(area, 6, 1610, QPoint(kLinkColumn, 476));

    Toolbar2 = new QToolBar(area);
    Toolbar2->setObjectName("Toolbar2");
    charts::AddChartToolButtons(*Toolbar2);
    Toolbar2->setGeometry(6, 484, 110, 40);
    Label1 = label(area, "Label1", 1803, "Sport:", QRect(120, 492, 60, 24));
    Combo3 = dropDownList(area, "Combo3", QRect(182, 492, 358, 24));
    lblSelectGraph->setBuddy(Combo1);
    Label3->setBuddy(Combo2);
    Label1->setBuddy(Combo3);
    leftSeriesName_ = unseenLabel(cmbGraph1);
    rightSeriesName_ = unseenLabel(cmbGraph2);
    for (QComboBox *list : {Combo1, cmbGraph1, cmbGraph2}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        connect(list, &QComboBox::currentIndexChanged, this, &frmMain::arrangeChoiceLines);
    }
    // A list's entries or a label's words changed their width.
    area->installEventFilter(this);

    // The pane opens on the summary graphs: the controls of one activity's graph, the note and
    // the sport list wait until a graph asks for them.
    for (QWidget *control : std::initializer_list<QWidget *>{
             lblGraphLeft1, cmbGraph1, lblGraphLeft2, lblGraphRight1, cmbGraph2, lblGraphRight2, GraphLabel,
             resSummary, resImagePlot, lblNote, Label1, Combo3})
        control->hide();
}

void frmMain::Form_Load() {
    // Listening first, before anything waits for the athlete or a long import, lets a later start
    // hand its request over at once; what arrives is held back until the start is over.
    if (!Hooked)
        HookMainWindow();
    modLocalisation::LocalizeForm(this);
    // "Show ... on Left" and "Show ... on Right" tell the two series lists apart.
    cmbGraph1->setAccessibleName(lblGraphLeft1->text() + ' ' + lblGraphLeft2->text());
    cmbGraph2->setAccessibleName(lblGraphRight1->text() + ' ' + lblGraphRight2->text());
    leftSeriesName_->setText(cmbGraph1->accessibleName());
    rightSeriesName_->setText(cmbGraph2->accessibleName());
    ImgInternational->setToolTip(text(1607));
    ActivityCalendar::Name(*MonthView1);
    ListView1->setAccessibleName(text(1855));
    ListView1->setToolTip(text(1643));
    applyZonesNotice(this);
    MonthView1->setDateRange(QDate(1753, 1, 1), QDate(9998, 12, 31));
    if (!gIsUnitedStates) {
        TurnOffImageLinks();
        mnuFileBar000->setVisible(false);
        mnuUpload->setVisible(false);
    }
    MonthView1->setSelectedDate(today());
    exchange::AutoImportFiles();
    showWindowPicture();
    if (gStartOfWeek == "Monday")
        MonthView1->setFirstDayOfWeek(Qt::Monday);
    else if (gStartOfWeek == "Sunday")
        MonthView1->setFirstDayOfWeek(Qt::Sunday);
    resImage[6]->hide();
    MonthView1->refreshDayBold();
    DisplayActivity(today(), today(), 0);
    MonthView1->setSelectedDate(today());
    fillGraphList();
    fillPeriodList(QString());
    ChangeTimePeriod();

    if (modPreferences::TransferProgress() != 0)
        platform::dialogs::message(text(1522), "Runvella", platform::dialogs::Icon::Information,
                                   platform::dialogs::Buttons::Ok, this);
    modPreferences::LoadSmoothing();
    modPreferences::StoreTransferProgress(0);
    restoreWindowSize();
    layOut();
}

void frmMain::showWindowPicture() {
    const QPixmap picture = ResourceBitmap(WindowPicture::PictureId(logicalDpiY()));
    picture_->setPixmap(picture);
    picture_->setGeometry(QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()));
    picture_->lower();
}

void frmMain::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    layOut();
}

void frmMain::layOut() {
    layout_.RedrawLayout();
    arrangeChoiceLines();
}

// The graph list reaches up to the words before the period list; the series lists with their
// words and the link back to the summary graphs fill the line that ends where the period list does.
void frmMain::arrangeChoiceLines() {
    ChoiceLine::Arrange({{Combo1, kGraphListWidth}}, {{Label3}}, Combo1->x(), Label3->x() + Label3->width(),
                        kChoiceGap);
    ChoiceLine::Arrange({{lblGraphLeft1},
                         {cmbGraph1, kSeriesListWidth},
                         {lblGraphLeft2},
                         {resSummary, kImageLinkSize.width()}},
                        {{lblGraphRight1}, {cmbGraph2, kSeriesListWidth}, {lblGraphRight2}},
                        lblGraphLeft1->x(), Combo2->x() + Combo2->width(), kChoiceGap);
}

void frmMain::keyReleaseEvent(QKeyEvent *event) {
    // Only the key counts: F1 with Shift or Ctrl held opens the help as well.
    if (event->key() == Qt::Key_F1)
        ShowHelpContents();
    else
        QMainWindow::keyReleaseEvent(event);
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (watched == centralWidget() && event->type() == QEvent::LayoutRequest)
        arrangeChoiceLines();
    if (watched == lblNote && event->type() == QEvent::MouseButtonRelease) {
        platform::failures::runReported([this] { lblNote_Click(); });
        return true;
    }
    if (watched == ListView1 && event->type() == QEvent::KeyPress)
        return ListView1_KeyDown(static_cast<QKeyEvent *>(event)->key());
    if (watched == ListView1 && event->type() == QEvent::Resize)
        sizeActivityColumns();
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::restoreWindowSize() {
    // A hand-edited size may lie beyond any screen: it gives the largest window, not an overflow.
    const auto pixels = [dpi = std::int64_t{logicalDpiY()}](int twips) {
        return static_cast<int>(std::min<std::int64_t>(twips * dpi / kTwipsPerInch, QWIDGETSIZE_MAX));
    };
    resize(pixels(readSize("Width", kDefaultWidthTwips)), pixels(readSize("Height", kDefaultHeightTwips)));
}

void frmMain::storeWindowSize() {
    const auto twips = [dpi = logicalDpiY()](int pixels) {
        return qRound(double(pixels) * kTwipsPerInch / dpi);
    };
    modRegistry::WriteRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, "Height", "D",
                                    twips(height()));
    modRegistry::WriteRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, "Width", "D",
                                    twips(width()));
}

void frmMain::closeEvent(QCloseEvent *event) {
    Form_Unload();
    event->accept();
}

void frmMain::Form_Unload() {
    try {
        const platform::cursor::BusyCursor busy;
        if (!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)))
            storeWindowSize();
        help_.HHClose();
        if (Hooked)
            UnhookMainWindow();
        DatabaseCompaction::CompactIfDue(gConn, today());
    } catch (const std::exception &) {
        // Nothing of the close may keep the program from ending.
    }
    help_.HHClose();
}

void frmMain::TurnOffImageLinks() {
    for (QWidget *link : {static_cast<QWidget *>(resImage[0]), static_cast<QWidget *>(resImage[1]),
                          static_cast<QWidget *>(resImage[2]), static_cast<QWidget *>(ImgInternational)})
        link->setVisible(false);
}

void frmMain::HookMainWindow() {
    if (Hooked)
        return;
    Hooked = listener_->listen(modInstance::kSocketName);
}

void frmMain::UnhookMainWindow() {
    listener_->close();
    Hooked = false;
}

void frmMain::messageArrived(const QString &message) {
    if (message == modInstance::kConnectedMessage) {
        modTransfer::TransferFromDevice();
        return;
    }
    if (!modInstance::IsCommandLineMessage(message))
        return;
    // Another start of the program hands over its command line and ends.
    platform::windows::bringToFront(*this);
    if (modInstance::CommandLineAsksForTransfer(modInstance::CommandLineOf(message)))
        modTransfer::TransferFromDevice();
}
