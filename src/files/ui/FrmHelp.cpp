#include "files/ui/FrmHelp.h"

#include "base/Twips.h"
#include "files/ViewerLayout.h"

#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTextBrowser>

namespace {

QRect toPixels(const QRect &twips)
{
    return QRect(Twips::toPixels(twips.x()), Twips::toPixels(twips.y()),
        Twips::toPixels(twips.width()), Twips::toPixels(twips.height()));
}

QString guide()
{
    QFile file(QStringLiteral(":/help/guide.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

}

FrmHelp::FrmHelp(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmHelp"));
    setWindowTitle(QStringLiteral("帮助"));
    RichTextBox1 = new QTextBrowser(this);
    RichTextBox1->setObjectName(QStringLiteral("RichTextBox1"));
    RichTextBox1->setReadOnly(true);
    RichTextBox1->setOpenLinks(false);
    QFont font = RichTextBox1->font();
    font.setPointSize(9);
    RichTextBox1->setFont(font);
    RichTextBox1->setHtml(guide());
    const QSize minimum = ViewerLayout::helpMinimum();
    setMinimumSize(Twips::toPixels(minimum.width()), Twips::toPixels(minimum.height()));
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize screenPixels = screen ? screen->geometry().size() : QSize(1024, 768);
    const QSize screenTwips(int(Twips::fromPixels(screenPixels.width())),
        int(Twips::fromPixels(screenPixels.height())));
    setGeometry(toPixels(ViewerLayout::helpPlacement(screenTwips)));
}

void FrmHelp::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const QSize inner(int(Twips::fromPixels(width())), int(Twips::fromPixels(height())));
    const QRect box = ViewerLayout::helpTextBox(inner);
    if (!box.isEmpty())
        RichTextBox1->setGeometry(toPixels(box));
}
