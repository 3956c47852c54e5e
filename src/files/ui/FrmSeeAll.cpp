#include "files/ui/FrmSeeAll.h"

#include "files/ViewerLayout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

FrmSeeAll::FrmSeeAll(const QImage &picture, QWidget *parent)
    : QDialog(parent)
    , m_picture(picture)
{
    setObjectName(QStringLiteral("FrmSeeAll"));
    setWindowTitle(QStringLiteral("查看全图"));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(QPixmap::fromImage(m_picture));
    Picture1->resize(m_picture.size());
    Picture1->installEventFilter(this);
    // The window opens at the picture's size as far as the screen allows; a
    // larger picture is pinned at the top left and shows what fits.
    const QScreen *screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize room
        = screen ? screen->availableGeometry().size() - QSize(40, 80) : QSize(800, 600);
    resize(m_picture.size().boundedTo(room).expandedTo(QSize(160, 120)));
}

void FrmSeeAll::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    Picture1->move(ViewerLayout::pictureOrigin(size(), m_picture.size()));
}

bool FrmSeeAll::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Picture1 && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmSeeAll::done(int result)
{
    // The copy can be as large as the canvas; it is not kept while the
    // dialog object lives on.
    Picture1->clear();
    m_picture = QImage();
    QDialog::done(result);
}
