#include "raster/FillPattern.h"

FillPattern FillPattern::forFillStyle(int fillStyle)
{
    FillPattern pattern;
    for (int y = 0; y < 8; ++y) {
        const quint8 horizontal = y == 0 ? 0xFF : 0x00;
        const quint8 vertical = 0x01;
        const quint8 upward = quint8(1u << (7 - y)); // "/": x + y == 7 (mod 8)
        const quint8 downward = quint8(1u << y); // "\": x == y (mod 8)
        quint8 bits = 0;
        switch (fillStyle) {
        case Solid:
            bits = 0xFF;
            break;
        case Horizontal:
            bits = horizontal;
            break;
        case Vertical:
            bits = vertical;
            break;
        case UpwardDiagonal:
            bits = upward;
            break;
        case DownwardDiagonal:
            bits = downward;
            break;
        case Cross:
            bits = horizontal | vertical;
            break;
        case DiagonalCross:
            bits = upward | downward;
            break;
        default: // Transparent and anything unknown paint nothing
            bits = 0;
            break;
        }
        pattern.m_rows[size_t(y)] = bits;
    }
    return pattern;
}
