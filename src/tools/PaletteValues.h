#pragma once

#include "base/ColourValue.h"

#include <QObject>
#include <QString>

#include <optional>

class Workspace;

// What the user types or picks in the palette for the drawing tools: the
// three number boxes (`Text1` line width, `hlinewidthText` frame width,
// `hlinecornerText` gradient angle) and the two gradient colour wells.
class PaletteValues : public QObject
{
    Q_OBJECT
public:
    explicit PaletteValues(Workspace &module, QObject *parent = nullptr);

    // The gradient colours the palette's load stores, before any well is
    // chosen (they differ from the wells' own colours on purpose).
    void loadGradientDefaults();

    // Number boxes. Each setter is the box's change handler: it repairs the
    // text (read the box back afterwards) and applies it.
    QString Text1() const { return m_text1; }
    void setText1(const QString &text);
    QString hlinewidthText() const { return m_frameWidth; }
    void sethlinewidthText(const QString &text);
    QString hlinecornerText() const { return m_angle; }
    void sethlinecornerText(const QString &text);
    // The line width the box holds as a 16-bit number, nothing for an empty box.
    std::optional<int> lineWidth() const;

    // Gradient colour wells. Choosing a colour is refused without a document.
    ColourValue hstartcolorPicture() const { return m_startWell; }
    ColourValue hendcolorPicture() const { return m_endWell; }
    bool wellsRespond() const;
    bool chooseStartColour(ColourValue colour);
    bool chooseEndColour(ColourValue colour);

signals:
    // A well's colour changed.
    void changed();
    // The line-width box's text was repaired to something else than typed.
    void text1Changed();

private:
    bool chooseWellColour(ColourValue colour, ColourValue &well, int &red, int &green, int &blue);

    Workspace &m_module;
    QString m_text1 = QStringLiteral("1");
    QString m_frameWidth = QStringLiteral("0");
    QString m_angle = QStringLiteral("0");
    ColourValue m_startWell = Colour::fromRgb(224, 224, 224);
    ColourValue m_endWell = Colour::fromRgb(128, 128, 128);
};
