#include "colour/ColourPalette.h"

#include <array>

namespace ColourPalette {

namespace {

// In index order: each column's top colour, then its bottom colour. Greys
// first, then reds, oranges, yellows, greens, cyans, blues and magentas.
constexpr std::array<ColourValue, Count> Colours = {
    Colour::fromRgb(255, 255, 255), Colour::fromRgb(0, 0, 0), //
    Colour::fromRgb(224, 224, 224), Colour::fromRgb(64, 64, 64), //
    Colour::fromRgb(192, 192, 192), Colour::fromRgb(128, 128, 128), //
    Colour::fromRgb(255, 192, 192), Colour::fromRgb(64, 0, 0), //
    Colour::fromRgb(255, 128, 128), Colour::fromRgb(128, 0, 0), //
    Colour::fromRgb(255, 0, 0), Colour::fromRgb(192, 0, 0), //
    Colour::fromRgb(255, 224, 192), Colour::fromRgb(128, 64, 64), //
    Colour::fromRgb(255, 192, 128), Colour::fromRgb(128, 64, 0), //
    Colour::fromRgb(255, 128, 0), Colour::fromRgb(192, 64, 0), //
    Colour::fromRgb(255, 255, 192), Colour::fromRgb(64, 64, 0), //
    Colour::fromRgb(255, 255, 128), Colour::fromRgb(128, 128, 0), //
    Colour::fromRgb(255, 255, 0), Colour::fromRgb(192, 192, 0), //
    Colour::fromRgb(192, 255, 192), Colour::fromRgb(0, 64, 0), //
    Colour::fromRgb(128, 255, 128), Colour::fromRgb(0, 128, 0), //
    Colour::fromRgb(0, 255, 0), Colour::fromRgb(0, 192, 0), //
    Colour::fromRgb(192, 255, 255), Colour::fromRgb(0, 64, 64), //
    Colour::fromRgb(128, 255, 255), Colour::fromRgb(0, 128, 128), //
    Colour::fromRgb(0, 255, 255), Colour::fromRgb(0, 192, 192), //
    Colour::fromRgb(192, 192, 255), Colour::fromRgb(0, 0, 64), //
    Colour::fromRgb(128, 128, 255), Colour::fromRgb(0, 0, 128), //
    Colour::fromRgb(0, 0, 255), Colour::fromRgb(0, 0, 192), //
    Colour::fromRgb(255, 192, 255), Colour::fromRgb(64, 0, 64), //
    Colour::fromRgb(255, 128, 255), Colour::fromRgb(128, 0, 128), //
    Colour::fromRgb(255, 0, 255), Colour::fromRgb(192, 0, 192), //
};

}

ColourValue PictureColor(int index)
{
    if (index < 1 || index > Count)
        return Colour::fromRgb(0, 0, 0);
    return Colours[size_t(index - 1)];
}

}
