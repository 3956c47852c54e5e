#pragma once

#include <QElapsedTimer>
#include <QToolButton>

// A palette tool button. The tool is chosen when the button receives the
// focus, by a click or from the keyboard, so it reports that rather than clicks.
class ToolButtonWidget : public QToolButton
{
    Q_OBJECT
public:
    explicit ToolButtonWidget(QWidget *parent = nullptr);

signals:
    void focused();
    // A click on the button while it holds the focus only because its window
    // came back (the first click into an inactive window lands this way).
    void clickedWithReturnedFocus();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_focusReturned = false;
    QElapsedTimer m_unfocusedPress;
};
