#pragma once

#include "base/ColourValue.h"

#include <QFont>
#include <QObject>
#include <QSizeF>
#include <QString>

// The text tool's box `hword` over the canvas: the text to draw, its font and
// colour, and where it lands (canvas twips). The window's edit box is a view
// of it. Its size follows the text: what the hidden label `hwordLabel` would
// measure for the text ("H" when there is none, so the box never collapses)
// plus 50 twips each way.
class TextBox : public QObject
{
    Q_OBJECT
public:
    static constexpr double Margin = 50;

    explicit TextBox(QObject *parent = nullptr);

    bool Visible() const { return m_visible; }
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_size.width(); }
    double Height() const { return m_size.height(); }
    QString Text() const { return m_text; }
    QFont Font() const { return m_font; }
    ColourValue ForeColor() const { return m_foreColor; }

    // A left click with the text tool: the box shows at the point, text kept.
    void place(double left, double top);
    void setText(const QString &text);
    void setFont(const QFont &font);
    void setForeColor(ColourValue colour);

    // Esc, or another tool chosen: hidden and emptied; nothing is drawn.
    void discard();
    // After a commit: emptied and small, still shown.
    void clear();

    // What the label measures for `text` in `font` (twips): the widest line
    // by the number of lines, as aliased text prints on the canvas.
    static QSizeF measure(const QString &text, const QFont &font);

signals:
    // Anything about the box changed; views read it back whole.
    void changed();
    // The box was placed or emptied by a commit: the keyboard goes to it.
    void placed();

private:
    void resize();

    bool m_visible = false;
    double m_left = 0;
    double m_top = 0;
    QSizeF m_size;
    QString m_text;
    QFont m_font;
    ColourValue m_foreColor = 0;
};
