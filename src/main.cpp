#include "app/ui/Application.h"
#include "app/ui/FrmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Application::configure(app);
    FrmMain frmMain;
    // Files named on the command line open as Open would.
    frmMain.openAtStart(app.arguments().mid(1));
    frmMain.show();
    return app.exec();
}
