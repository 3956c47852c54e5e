#include "app/ui/Application.h"

#include <QApplication>
#include <QFont>

namespace Application {

void configure(QApplication &app)
{
    app.setApplicationName(QStringLiteral("Tessara"));
    app.setApplicationVersion(QStringLiteral("3.0"));
    QFont font(QString::fromLatin1(UiFontFamily), 9);
    app.setFont(font);
}

}
