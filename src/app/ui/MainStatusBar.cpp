#include "app/ui/MainStatusBar.h"

#include <QDateTime>
#include <QLabel>
#include <QLocale>
#include <QTimer>

namespace {

QLabel *panel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setContentsMargins(4, 0, 4, 0);
    return label;
}

}

QString MainStatusBar::welcomeText()
{
    return QStringLiteral("欢迎使用Tessara软件3.0");
}

MainStatusBar::MainStatusBar(QWidget *parent)
    : QStatusBar(parent)
    , m_text(panel("sbPanelText", this))
    , m_date(panel("sbPanelDate", this))
    , m_time(panel("sbPanelTime", this))
    , m_clock(new QTimer(this))
{
    setObjectName(QStringLiteral("sbStatusBar"));
    setSizeGripEnabled(false);
    m_text->setText(welcomeText());
    m_text->setToolTip(welcomeText());
    addWidget(m_text, 1);
    addPermanentWidget(m_date);
    addPermanentWidget(m_time);
    // Checking twice a second keeps the minute change within half a second.
    m_clock->setInterval(500);
    connect(m_clock, &QTimer::timeout, this, &MainStatusBar::showClock);
    m_clock->start();
    showClock();
}

QString MainStatusBar::dateText(const QDateTime &now)
{
    return QLocale::system().toString(now.date(), QLocale::ShortFormat);
}

QString MainStatusBar::timeText(const QDateTime &now)
{
    return QLocale::system().toString(now.time(), QLocale::ShortFormat);
}

void MainStatusBar::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_date->setText(dateText(now));
    m_time->setText(timeText(now));
}
