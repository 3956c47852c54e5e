#include "app/ui/FrmMain.h"

#include <QMdiArea>

FrmMain::FrmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Tessara 3.0"));
    auto *workArea = new QMdiArea(this);
    workArea->setObjectName(QStringLiteral("MDIForm"));
    setCentralWidget(workArea);
    resize(1024, 720);
}
