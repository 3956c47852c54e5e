#pragma once

#include <QColor>
#include <QRgb>
#include <QtGlobal>

// A colour as the program stores it: red + 256 * green + 65536 * blue.
using ColourValue = quint32;

namespace Colour {

inline constexpr ColourValue fromRgb(int red, int green, int blue)
{
    return ColourValue(red & 0xFF) | ColourValue(green & 0xFF) << 8
        | ColourValue(blue & 0xFF) << 16;
}

inline constexpr int red(ColourValue c)
{
    return int(c % 256);
}
inline constexpr int green(ColourValue c)
{
    return int((c % 65536) / 256);
}
inline constexpr int blue(ColourValue c)
{
    return int((c / 65536) % 256);
}

// The same colour as an opaque pixel of a Format_RGB32 image (0xFFRRGGBB).
inline constexpr quint32 toPixel(ColourValue c)
{
    return 0xFF000000u | quint32(red(c)) << 16 | quint32(green(c)) << 8 | quint32(blue(c));
}

inline constexpr ColourValue fromPixel(QRgb pixel)
{
    return fromRgb(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// The same colour for painting on screen and for the colour dialog.
inline QColor toQColor(ColourValue c)
{
    return QColor(red(c), green(c), blue(c));
}

// A colour from the screen or the colour dialog; its alpha is dropped.
inline ColourValue fromQColor(const QColor &c)
{
    return fromRgb(c.red(), c.green(), c.blue());
}

}
