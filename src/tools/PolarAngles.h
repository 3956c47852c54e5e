#pragma once

#include <QString>

// The angles of the arc and sector tools: polar angles about the centre in
// radians, counter-clockwise from east with the canvas's y axis turned up,
// and the palette's read-out of them in degrees.
namespace PolarAngles {

// The polar angle of the offset (dx, dy) (dy grows downwards) in [0, 2 pi);
// straight up or down take pi/2 and 3 pi/2 exactly, the centre itself 0.
double polar(double dx, double dy);

// Degrees rounded to two places, halves to even.
double degrees(double radians);
// A number of the read-out as shown: "90", "45.5", "123.46".
QString text(double degrees);
// The clockwise sweep from the radius (A degrees) to the pointer (B degrees):
// A - B when A > B, 360 when they are equal, A + 360 - B otherwise.
double sweep(double radiusDegrees, double pointerDegrees);

}
