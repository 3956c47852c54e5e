#include "app/ui/Application.h"
#include "app/ui/FrmMain.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Application::configure(app);
    FrmMain frmMain;
    frmMain.show();
    return app.exec();
}
