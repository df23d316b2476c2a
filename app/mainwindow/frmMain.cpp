#include "mainwindow/frmMain.h"

#include "core/modLocalisation.h"

frmMain::frmMain(QWidget *parent) : QMainWindow(parent)
{
    setObjectName("frmMain");
    setWindowTitle(modLocalisation::LoadResString(1300));
    resize(1000, 700);
}
