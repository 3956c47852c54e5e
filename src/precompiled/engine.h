// Precompiled header of the engine: the Qt Core and Gui headers nearly every file uses.
#pragma once
#include <QtCore/QObject>
#include <QtCore/QPoint>
#include <QtCore/QRect>
#include <QtCore/QString>
#include <QtCore/QVector>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPen>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>
