#pragma once

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

protected:
    void focusInEvent(QFocusEvent *event) override;
};
