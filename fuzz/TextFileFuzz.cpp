// The text readers behind "粘贴自..." on any bytes: the RTF reader must never
// read outside them, recurse or loop without end (the sanitizers and the
// replay's time limit watch that), and what both readers give must be text
// the box can hold: never longer than the bytes, no lone surrogate halves,
// the same every time.
#include "FuzzCheck.h"

#include "files/RtfText.h"
#include "files/TextFileReader.h"

#include <cstddef>
#include <cstdint>

namespace {

bool wellFormed(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return false;
    }
    return true;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString rich = RtfText::plainText(bytes);
    FUZZ_CHECK(rich.size() <= bytes.size());
    FUZZ_CHECK(wellFormed(rich));
    FUZZ_CHECK(rich == RtfText::plainText(bytes));
    // The same bytes behind an RTF signature, so every input reaches the reader.
    const QByteArray signed_ = "{\\rtf1 " + bytes;
    FUZZ_CHECK(RtfText::plainText(signed_).size() <= signed_.size());
    for (auto format : { TextFileReader::Format::Plain, TextFileReader::Format::Rich }) {
        const QString text = TextFileReader::textOf(bytes, format);
        FUZZ_CHECK(text.size() <= bytes.size());
        FUZZ_CHECK(wellFormed(text));
    }
    return 0;
}
