#include "app/ui/Application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace Application {

namespace {

// Qt's own dialogs remember things between runs (the colour dialog its custom
// colours, the file dialog its folders) in a settings file. The program keeps
// nothing between runs: settings are read from and written to a place that
// cannot hold a file, so they live only in memory for one run.
void keepNoSettings()
{
    const QString nowhere = QStringLiteral("/dev/null");
    for (const auto scope : { QSettings::UserScope, QSettings::SystemScope }) {
        QSettings::setPath(QSettings::NativeFormat, scope, nowhere);
        QSettings::setPath(QSettings::IniFormat, scope, nowhere);
    }
}

// Qt's own dialogs (file, colour, font, print) and standard buttons speak
// Chinese like the rest of the program, whatever the system's language.
void speakChinese(QApplication &app)
{
    auto *translator = new QTranslator(&app);
    if (translator->load(
            QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(translator);
    else
        delete translator;
}

}

void configure(QApplication &app)
{
    app.setApplicationName(QStringLiteral("Tessara"));
    app.setApplicationVersion(QStringLiteral("3.0"));
    QFont font(QString::fromLatin1(UiFontFamily), 9);
    app.setFont(font);
    // Every window, the document windows included, shows the freehand pencil.
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/tools/Command6.svg")));
    keepNoSettings();
    speakChinese(app);
}

}
