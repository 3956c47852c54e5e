#pragma once

#include <QPlainTextEdit>
#include <QPointer>

class TextBox;

// The text tool's box `hword` as the user sees it: an edit box over the
// canvas showing the document's TextBox. Typing (also through an input
// method) goes into the model, and the box takes its place, size, font and
// colour back from it; Esc discards the text.
class TextBoxView : public QPlainTextEdit
{
    Q_OBJECT
public:
    TextBoxView(TextBox &model, QWidget *parent);

    // Where canvas pixel (0, 0) lies in the parent widget (the canvas scrolls).
    void setCanvasOrigin(const QPoint &origin);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void follow();
    void showText(const QString &text);

    QPointer<TextBox> m_model;
    QPoint m_origin;
};
