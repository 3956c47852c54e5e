#pragma once

#include <QByteArray>
#include <QString>

// The plain text of a rich-text (RTF) file, as the text box takes it: the
// characters of the body with paragraph and line breaks as "\n" and tabs as
// "\t"; formatting, font and colour tables, pictures, objects and every
// ignorable "\*" group dropped. `\'hh` bytes are decoded in the code page of
// their font (`\fcharset`, `\cpg`) or of the document (`\ansicpg`), `\uN`
// gives its character and skips its `\ucN` fallback. The paragraph mark that
// ends the last paragraph gives no empty line.
//
// Any bytes are safe: the reader looks at each byte once or twice, never past
// the end, keeps at most MaxDepth nested groups (deeper ones share the state
// of the last kept one), and its text is never longer than its input.
namespace RtfText {

inline constexpr int MaxDepth = 256;

// Whether `bytes` start as an RTF file does ("{\rtf").
bool looksLikeRtf(const QByteArray &bytes);
QString plainText(const QByteArray &rtf);

}
