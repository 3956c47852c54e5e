#include "tools/PolarAngles.h"

#include "base/RoundHalfEven.h"

#include <cmath>

namespace PolarAngles {

double polar(double dx, double dy)
{
    const double pi = 4 * std::atan(1.0);
    if (dx == 0 && dy > 0)
        return 3 * pi / 2;
    if (dx == 0 && dy < 0)
        return pi / 2;
    if (dx > 0 && dy > 0)
        return 2 * pi - std::atan(dy / dx);
    if (dx < 0 && dy <= 0)
        return pi - std::atan(dy / dx);
    if (dx > 0 && dy <= 0)
        return std::atan(-dy / dx);
    if (dx < 0 && dy > 0)
        return pi + std::atan(dy / -dx);
    return 0;
}

double degrees(double radians)
{
    return double(roundHalfEven(radians * 45 / std::atan(1.0) * 100)) / 100;
}

QString text(double degrees)
{
    return QString::number(double(roundHalfEven(degrees * 100)) / 100, 'g', 12);
}

double sweep(double radiusDegrees, double pointerDegrees)
{
    if (radiusDegrees > pointerDegrees)
        return radiusDegrees - pointerDegrees;
    if (radiusDegrees == pointerDegrees)
        return 360;
    return radiusDegrees + 360 - pointerDegrees;
}

}
