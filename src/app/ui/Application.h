#pragma once

class QApplication;

// Process-wide settings every window relies on.
namespace Application {

// The Chinese captions need a CJK font; the platform default here resolves to a
// Latin serif face that has no such glyphs, so the font is named explicitly.
inline constexpr const char *UiFontFamily = "WenQuanYi Micro Hei";

void configure(QApplication &app);

}
