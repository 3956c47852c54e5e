#include "files/RtfText.h"

#include "files/CodePageDecoder.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace RtfText {

namespace {

// The state a group inherits from the one around it.
struct GroupState
{
    bool skipped = false;
    bool fontTable = false;
    int fallbackCount = 1; // \ucN
    int font = -1; // \fN; -1 before any
};

// Destinations whose text is not part of the document's text.
bool isSkippedDestination(const QByteArray &word)
{
    static const QByteArray words[] = { "fonttbl", "colortbl", "stylesheet", "info", "pict",
        "object", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
        "footerf", "footnote", "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl",
        "themedata", "colorschememapping", "datastore", "latentstyles", "xmlnstbl", "generator",
        "nonshppict", "fldinst", "xe", "tc", "bkmkstart", "bkmkend", "pgdsctbl", "private" };
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

// Control words that stand for a character.
QString textOfWord(const QByteArray &word)
{
    static const QHash<QByteArray, QString> words = {
        { "par", QStringLiteral("\n") },
        { "line", QStringLiteral("\n") },
        { "sect", QStringLiteral("\n") },
        { "row", QStringLiteral("\n") },
        { "tab", QStringLiteral("\t") },
        { "cell", QStringLiteral("\t") },
        { "emdash", QString(QChar(0x2014)) },
        { "endash", QString(QChar(0x2013)) },
        { "emspace", QString(QChar(0x2003)) },
        { "enspace", QString(QChar(0x2002)) },
        { "qmspace", QString(QChar(0x2005)) },
        { "bullet", QString(QChar(0x2022)) },
        { "lquote", QString(QChar(0x2018)) },
        { "rquote", QString(QChar(0x2019)) },
        { "ldblquote", QString(QChar(0x201C)) },
        { "rdblquote", QString(QChar(0x201D)) },
    };
    return words.value(word);
}

// The Windows code page of a font's character set (\fcharsetN); 0 for the
// document's own.
int codePageOfCharset(int charset)
{
    switch (charset) {
    case 77:
        return 10000;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Reader
{
public:
    explicit Reader(const QByteArray &rtf)
        : m_at(rtf.constData())
        , m_end(rtf.constData() + rtf.size())
    { }

    QString run();

private:
    void openGroup();
    bool closeGroup();
    void controlSequence();
    void controlWord();
    void controlSymbol(char symbol);
    void fontTableWord(const QByteArray &word, qint64 value);
    void bodyWord(const QByteArray &word, bool hasValue, qint64 value);
    void unicode(qint64 value);
    void byte(char c);
    void text(const QString &characters);
    bool skipAsFallback();
    void flush();
    int codePage() const;

    const char *m_at;
    const char *m_end;
    QString m_text;
    QByteArray m_bytes; // code-page bytes waiting to be decoded together
    int m_bytesCodePage = 0;
    GroupState m_state;
    std::vector<GroupState> m_outer;
    int m_unkeptDepth = 0; // groups beyond MaxDepth
    bool m_started = false;
    int m_fallbackLeft = 0;
    int m_documentCodePage = 1252;
    int m_definedFont = -1; // the font the font table is describing
    QHash<int, int> m_fontCodePage;
    CodePageDecoder m_decoder;
};

QString Reader::run()
{
    while (m_at < m_end) {
        const char c = *m_at++;
        if (c == '{') {
            openGroup();
        } else if (c == '}') {
            if (!closeGroup())
                break;
        } else if (c == '\\') {
            controlSequence();
        } else if (c == '\r' || c == '\n') {
            // Line ends in the file are not text.
        } else if (!skipAsFallback() && !m_state.skipped && (uchar(c) >= 0x20 || c == '\t')) {
            byte(c);
        }
    }
    flush();
    // Every writer ends the last paragraph with \par; it is no empty line.
    if (m_text.endsWith(QLatin1Char('\n')))
        m_text.chop(1);
    return CodePageDecoder::withoutLoneSurrogates(m_text);
}

void Reader::openGroup()
{
    flush();
    m_fallbackLeft = 0;
    m_started = true;
    if (m_outer.size() >= size_t(MaxDepth)) {
        ++m_unkeptDepth;
        return;
    }
    m_outer.push_back(m_state);
}

bool Reader::closeGroup()
{
    flush();
    m_fallbackLeft = 0;
    if (m_unkeptDepth > 0) {
        --m_unkeptDepth;
        return true;
    }
    if (m_outer.empty())
        return !m_started; // a stray brace before the document: go on
    m_state = m_outer.back();
    m_outer.pop_back();
    // The document's group has closed: what follows is not part of it.
    return !m_outer.empty();
}

void Reader::controlSequence()
{
    if (m_at >= m_end)
        return;
    if (isLetter(*m_at))
        controlWord();
    else
        controlSymbol(*m_at++);
}

void Reader::controlWord()
{
    const char *start = m_at;
    while (m_at < m_end && isLetter(*m_at))
        ++m_at;
    // Words are at most 32 letters; a longer run is no word we know.
    const QByteArray word(start, int(std::min<qsizetype>(m_at - start, 33)));
    bool negative = false;
    if (m_at < m_end && *m_at == '-' && m_at + 1 < m_end && isDigit(m_at[1])) {
        negative = true;
        ++m_at;
    }
    bool hasValue = false;
    qint64 value = 0;
    while (m_at < m_end && isDigit(*m_at)) {
        hasValue = true;
        value = std::min<qint64>(value * 10 + (*m_at - '0'), qint64(1) << 40);
        ++m_at;
    }
    if (negative)
        value = -value;
    if (m_at < m_end && *m_at == ' ')
        ++m_at;

    if (word == "bin") {
        // Binary data follows: its bytes are no text and no syntax.
        flush();
        m_at += std::clamp<qint64>(value, 0, m_end - m_at);
        return;
    }
    if (isSkippedDestination(word)) {
        flush();
        m_state.skipped = true;
        m_state.fontTable = word == "fonttbl";
        return;
    }
    if (m_state.fontTable) {
        fontTableWord(word, value);
        return;
    }
    if (word == "ansicpg" && value > 0 && value < 65536) {
        flush();
        m_documentCodePage = int(value);
        return;
    }
    if (m_state.skipped)
        return;
    bodyWord(word, hasValue, value);
}

void Reader::fontTableWord(const QByteArray &word, qint64 value)
{
    if (word == "f") {
        m_definedFont = int(std::clamp<qint64>(value, 0, 1 << 20));
    } else if (word == "fcharset" && m_definedFont >= 0) {
        if (const int page = codePageOfCharset(int(value)))
            m_fontCodePage.insert(m_definedFont, page);
    } else if (word == "cpg" && m_definedFont >= 0 && value > 0 && value < 65536) {
        m_fontCodePage.insert(m_definedFont, int(value));
    }
}

void Reader::bodyWord(const QByteArray &word, bool hasValue, qint64 value)
{
    if (word == "u" && hasValue) {
        unicode(value);
        return;
    }
    if (skipAsFallback())
        return;
    if (word == "uc") {
        m_state.fallbackCount = int(std::clamp<qint64>(value, 0, 64));
    } else if (word == "f") {
        flush();
        m_state.font = int(std::clamp<qint64>(value, 0, 1 << 20));
    } else if (word == "plain") {
        flush();
        m_state.font = -1;
    } else {
        const QString characters = textOfWord(word);
        if (!characters.isEmpty())
            text(characters);
    }
}

void Reader::unicode(qint64 value)
{
    // A signed 16-bit number: negative ones are the upper half.
    if (value < 0)
        value += 65536;
    if (value > 0 && value <= 0xFFFF)
        text(QString(QChar(char16_t(value))));
    m_fallbackLeft = m_state.fallbackCount;
}

void Reader::controlSymbol(char symbol)
{
    if (symbol == '\'') {
        int high = m_at < m_end ? hexValue(*m_at) : -1;
        if (high >= 0)
            ++m_at;
        int low = high >= 0 && m_at < m_end ? hexValue(*m_at) : -1;
        if (low >= 0)
            ++m_at;
        if (skipAsFallback() || m_state.skipped || high < 0 || low < 0)
            return;
        byte(char(high * 16 + low));
        return;
    }
    if (symbol == '*') {
        flush();
        m_state.skipped = true;
        return;
    }
    if (skipAsFallback() || m_state.skipped)
        return;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        byte(symbol);
        break;
    case '~':
        text(QString(QChar(0x00A0)));
        break;
    case '_':
        text(QString(QChar(0x2011)));
        break;
    case '\r':
    case '\n':
        text(QStringLiteral("\n"));
        break;
    default:
        // \- (optional hyphen), \: and \| show nothing; unknown ones neither.
        break;
    }
}

bool Reader::skipAsFallback()
{
    if (m_fallbackLeft <= 0)
        return false;
    --m_fallbackLeft;
    return true;
}

int Reader::codePage() const
{
    return m_fontCodePage.value(m_state.font, m_documentCodePage);
}

void Reader::byte(char c)
{
    const int page = codePage();
    if (!m_bytes.isEmpty() && page != m_bytesCodePage)
        flush();
    m_bytesCodePage = page;
    m_bytes.append(c);
}

void Reader::text(const QString &characters)
{
    flush();
    m_text += characters;
}

void Reader::flush()
{
    if (m_bytes.isEmpty())
        return;
    m_text += m_decoder.decode(m_bytes, m_bytesCodePage);
    m_bytes.clear();
}

}

bool looksLikeRtf(const QByteArray &bytes)
{
    return bytes.startsWith("{\\rtf");
}

QString plainText(const QByteArray &rtf)
{
    return Reader(rtf).run();
}

}
