#include "document/TextBox.h"

#include "base/Twips.h"
#include "raster/PictureSurface.h"

TextBox::TextBox(QObject *parent)
    : QObject(parent)
{
    resize();
}

QSizeF TextBox::measure(const QString &text, const QFont &font)
{
    // Measured as the canvas prints, so the box is as large as what a commit draws.
    const QSize pixels = PictureSurface::TextSize(text, font);
    return QSizeF(Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height()));
}

void TextBox::resize()
{
    const QString caption = m_text.isEmpty() ? QStringLiteral("H") : m_text;
    m_size = measure(caption, m_font) + QSizeF(Margin, Margin);
}

void TextBox::place(double left, double top)
{
    m_visible = true;
    m_left = left;
    m_top = top;
    resize();
    emit changed();
    emit placed();
}

void TextBox::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    resize();
    emit changed();
}

void TextBox::setFont(const QFont &font)
{
    m_font = font;
    resize();
    emit changed();
}

void TextBox::setForeColor(ColourValue colour)
{
    colour &= 0xFFFFFF;
    if (colour == m_foreColor)
        return;
    m_foreColor = colour;
    emit changed();
}

void TextBox::clear()
{
    setText(QString());
    emit placed();
}

void TextBox::discard()
{
    m_visible = false;
    m_text.clear();
    resize();
    emit changed();
}
