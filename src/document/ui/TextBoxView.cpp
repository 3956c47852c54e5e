#include "document/ui/TextBoxView.h"

#include "base/Twips.h"
#include "document/TextBox.h"

#include <QKeyEvent>
#include <QTextBlock>

TextBoxView::TextBoxView(TextBox &model, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_model(&model)
{
    // The text sits where a commit prints it: no frame, no margin, no wrap.
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(0);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(false);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (m_model)
            m_model->setText(toPlainText());
    });
    connect(&model, &TextBox::changed, this, &TextBoxView::follow);
    connect(&model, &TextBox::placed, this, [this] { setFocus(Qt::OtherFocusReason); });
    follow();
}

void TextBoxView::setCanvasOrigin(const QPoint &origin)
{
    m_origin = origin;
    follow();
}

void TextBoxView::follow()
{
    if (!m_model)
        return;
    const QRect pixels = Twips::toPixelRect(
        QRectF(m_model->Left(), m_model->Top(), m_model->Width(), m_model->Height()));
    setGeometry(pixels.translated(m_origin));
    QFont font = m_model->Font();
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    if (font != this->font())
        setFont(font);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, QColor::fromRgb(Colour::toPixel(m_model->ForeColor())));
    setPalette(colours);
    if (toPlainText() != m_model->Text())
        showText(m_model->Text());
    // The box grew with the text: show it from its start again.
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    setVisible(m_model->Visible());
}

void TextBoxView::showText(const QString &text)
{
    // A text set from outside (a file, a commit) keeps the caret where it
    // was, as far as the new text reaches.
    const int caret = textCursor().position();
    const QSignalBlocker quiet(this);
    setPlainText(text);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::min(caret, int(text.size())));
    setTextCursor(cursor);
}

void TextBoxView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_model) {
        m_model->discard();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}
