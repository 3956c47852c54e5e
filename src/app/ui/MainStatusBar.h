#pragma once

#include <QStatusBar>

class QLabel;
class QTimer;

// The status bar `sbStatusBar`: the welcome text and a date and a time panel
// that follow the clock.
class MainStatusBar : public QStatusBar
{
    Q_OBJECT
public:
    static QString welcomeText();

    explicit MainStatusBar(QWidget *parent = nullptr);

    QLabel *textPanel() const { return m_text; }
    QLabel *datePanel() const { return m_date; }
    QLabel *timePanel() const { return m_time; }

    // Date and time in the platform's short formats.
    static QString dateText(const QDateTime &now);
    static QString timeText(const QDateTime &now);

private:
    void showClock();

    QLabel *m_text = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    QTimer *m_clock = nullptr;
};
