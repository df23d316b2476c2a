#include "exchange/frmImportProgress.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

frmImportProgress::frmImportProgress(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      lblImporting(named(new QLabel(this), "lblImporting", 1980)),
      ProgressBar1(named(new QProgressBar(this), "ProgressBar1")) {
    setObjectName("frmImportProgress");
    setWindowTitle("Runvella");
    setWindowModality(Qt::ApplicationModal);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMinimumWidth(320);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblImporting);
    layout->addWidget(ProgressBar1);
    modLocalisation::LocalizeForm(this);
    ProgressBar1->setAccessibleName(lblImporting->text());
}

void frmImportProgress::ShowPercent(int percent) {
    ProgressBar1->setValue(percent);
}
