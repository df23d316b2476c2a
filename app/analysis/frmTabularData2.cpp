#include "analysis/frmTabularData2.h"

#include "analysis/ListRoom.h"
#include "analysis/ReportList.h"
#include "core/FormControls.h"
#include "core/Form_ControlPos.h"
#include "core/Globals.h"
#include "core/LocalizeForm.h"
#include "platform/BusyCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

using namespace ControlMoveMode;

namespace {

constexpr QSize kDesignedSize(640, 420);

} // namespace

frmTabularData2::frmTabularData2(QWidget *parent)
    : QDialog(parent), menuBar(named(new QMenuBar(this), "menuBar")),
      mnu1(named(menuBar->addMenu(QStringLiteral("E&dit")), "mnu1")),
      mnuCopy(named(mnu1->addAction(QStringLiteral("&Copy")), "mnuCopy", 1344)),
      Frame1(named(new QGroupBox(this), "Frame1", 1343)),
      lstTabData(named(new QTableWidget(Frame1), "lstTabData")),
      Command1(named(new QPushButton(QStringLiteral("OK"), this), "Command1", 1421)),
      m_ControlPos(new Form_ControlPos(this)) {
    setObjectName("frmTabularData2");
    setWindowTitle(QStringLiteral("Runvella"));
    setModal(true);
    // The main window's Edit menu lends its caption, access key included.
    mnu1->menuAction()->setProperty("tag", 1309);
    lstTabData->installEventFilter(this);

    resize(kDesignedSize);
    const int width = kDesignedSize.width();
    const int height = kDesignedSize.height();
    const int menuHeight = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, width, menuHeight);
    Frame1->setGeometry(8, menuHeight + 4, width - 16, height - menuHeight - 52);
    lstTabData->setGeometry(8, 22, Frame1->width() - 16, Frame1->height() - 30);
    Command1->setGeometry(width - 96, height - 40, 88, 28);

    connect(mnuCopy, &QAction::triggered, this, &frmTabularData2::CopyData);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
    resize(analysis::OpeningSize(*this, *lstTabData,
                                 Frame1->minimumSizeHint().width() + width - Frame1->width()));
}

void frmTabularData2::Form_Load() {
    const platform::cursor::BusyCursor busy;
    modLocalisation::LocalizeForm(this);
    lstTabData->setAccessibleName(Frame1->title());
    analysis::PrepareReportList(lstTabData, true);

    m_ControlPos->Init(this);
    m_ControlPos->Add(menuBar, Keep, Keep, AddChange, Keep, false);
    m_ControlPos->Add(Frame1, Keep, Keep, AddChange, AddChange, false);
    m_ControlPos->Add(lstTabData, Keep, Keep, AddChange, AddChange, false);
    m_ControlPos->Add(Command1, AddChange, AddChange, Keep, Keep, false);

    SetupListControl();
    FillListControl();
}

// A heading line of k tabs gives k + 1 columns; an empty one a single column without a heading.
void frmTabularData2::SetupListControl() {
    const QStringList headings = gGraphTable.value(0).split(QLatin1Char('\t'));
    m_ColumnCount = static_cast<int>(headings.size());
    analysis::SetColumns(lstTabData, headings);
}

void frmTabularData2::FillListControl() {
    if (gGraphTable.value(0).isEmpty())
        return;
    for (qsizetype line = 1; line < gGraphTable.size(); ++line)
        analysis::AddRow(lstTabData, gGraphTable[line].split(QLatin1Char('\t')));
    analysis::FitColumnsToEntries(lstTabData, analysis::WidestColumn(*this, *lstTabData));
}

// Nothing selected leaves whatever the clipboard held.
void frmTabularData2::CopyData() {
    const QString text = analysis::SelectedRowsText(lstTabData, m_ColumnCount, false);
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text);
}

bool frmTabularData2::event(QEvent *event) {
    if (event->type() == QEvent::WindowActivate)
        lstTabData->setFocus();
    return QDialog::event(event);
}

bool frmTabularData2::eventFilter(QObject *watched, QEvent *event) {
    if (watched == lstTabData && event->type() == QEvent::KeyPress &&
        analysis::HandleListKey(static_cast<QKeyEvent *>(event), lstTabData, [this] { CopyData(); }))
        return true;
    return QDialog::eventFilter(watched, event);
}

void frmTabularData2::keyPressEvent(QKeyEvent *event) {
    if (!analysis::HandleListKey(event, lstTabData, [this] { CopyData(); }))
        QDialog::keyPressEvent(event);
}
