#pragma once

#include <QtGlobal>

#include <array>

// Which pixels of a filled area a FillStyle paints: solid, none, or one of six
// 8 x 8 hatches anchored at the surface's origin so neighbouring figures line up.
class FillPattern
{
public:
    enum Style : int {
        Solid = 0,
        Transparent,
        Horizontal,
        Vertical,
        UpwardDiagonal,
        DownwardDiagonal,
        Cross,
        DiagonalCross,
    };

    static FillPattern forFillStyle(int fillStyle);
    static FillPattern solid() { return forFillStyle(Solid); }

    bool paintsNothing() const { return m_rows == std::array<quint8, 8> {}; }

    // Bit (x mod 8) of row (y mod 8) tells whether pixel (x, y) is painted.
    quint8 rowBits(int y) const { return m_rows[unsigned(y) & 7u]; }

    bool paints(int x, int y) const { return (rowBits(y) >> (unsigned(x) & 7u)) & 1u; }

private:
    std::array<quint8, 8> m_rows {};
};
