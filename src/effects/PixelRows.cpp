#include "effects/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace PixelRowsCopy {

void rows(ConstPixelRows src, PixelRows dst, int top, int bottom)
{
    for (int y = std::max(top, 0); y < std::min(bottom, src.height); ++y)
        std::memcpy(dst.row(y), src.row(y), size_t(src.width) * sizeof(quint32));
}

void frame(ConstPixelRows src, PixelRows dst, int margin)
{
    // A picture no wider or taller than the frame is all frame.
    if (src.width <= 2 * margin || src.height <= 2 * margin) {
        rows(src, dst, 0, src.height);
        return;
    }
    rows(src, dst, 0, margin);
    rows(src, dst, src.height - margin, src.height);
    for (int y = margin; y < src.height - margin; ++y) {
        const quint32 *from = src.row(y);
        quint32 *to = dst.row(y);
        for (int x = 0; x < margin; ++x) {
            to[x] = from[x];
            to[src.width - 1 - x] = from[src.width - 1 - x];
        }
    }
}

}
