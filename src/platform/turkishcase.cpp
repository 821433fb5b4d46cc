#include "platform/turkishcase.h"

#include <array>

namespace platform {

namespace {

constexpr char16_t DottedCapitalI = 0x0130;  // İ
constexpr char16_t DotlessSmallI = 0x0131;   // ı

// The five Turkish letters beyond ASCII that the key-press rules raise.
char16_t upTurkishLetter(char16_t c)
{
    switch (c) {
    case 0x00E7: return 0x00C7;  // ç -> Ç
    case 0x011F: return 0x011E;  // ğ -> Ğ
    case 0x00F6: return 0x00D6;  // ö -> Ö
    case 0x015F: return 0x015E;  // ş -> Ş
    case 0x00FC: return 0x00DC;  // ü -> Ü
    case DotlessSmallI: return u'I';
    default: return c;
    }
}

// Folding of Latin-1 and Latin Extended-A, built once from Qt's simple case
// folding with the two i pairs put right. Everything the office types lives
// in this range, so the table covers nearly every character we ever fold.
constexpr char16_t TableSize = 0x0180;

const std::array<char16_t, TableSize> &foldTable()
{
    static const std::array<char16_t, TableSize> table = [] {
        std::array<char16_t, TableSize> t{};
        for (char16_t c = 0; c < TableSize; ++c)
            t[c] = QChar(c).toCaseFolded().unicode();
        t[u'I'] = DotlessSmallI;
        t[DotlessSmallI] = DotlessSmallI;
        t[DottedCapitalI] = u'i';
        t[u'i'] = u'i';
        return t;
    }();
    return table;
}

} // namespace

QChar turkishUpCase(QChar c)
{
    const char16_t u = c.unicode();
    if (u == u'i')
        return QChar(DottedCapitalI);
    if (u >= u'a' && u <= u'z')
        return QChar(char16_t(u - (u'a' - u'A')));
    return QChar(upTurkishLetter(u));
}

QChar turkishCapital(QChar c)
{
    if (c == u'q' || c == u'w')
        return c;
    return turkishUpCase(c);
}

QChar turkishFold(QChar c)
{
    const char16_t u = c.unicode();
    if (u < TableSize)
        return QChar(foldTable()[u]);
    if (c.isSurrogate())
        return c;  // only whole code points fold; see the string version
    return c.toCaseFolded();
}

char32_t turkishFold(char32_t c)
{
    if (c < TableSize)
        return foldTable()[c];
    return QChar::toCaseFolded(c);
}

QString turkishFold(QStringView s)
{
    QString out(s.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    const auto &table = foldTable();
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        if (u < TableSize) {
            dst[i] = QChar(table[u]);
        } else if (QChar::isHighSurrogate(u) && i + 1 < s.size() && s[i + 1].isLowSurrogate()) {
            // Simple folding never leaves the plane, so the pair stays a pair.
            const char32_t folded = QChar::toCaseFolded(QChar::surrogateToUcs4(s[i], s[i + 1]));
            dst[i] = QChar(QChar::highSurrogate(folded));
            dst[i + 1] = QChar(QChar::lowSurrogate(folded));
            ++i;
        } else {
            dst[i] = QChar(u).isSurrogate() ? QChar(u) : QChar(u).toCaseFolded();
        }
    }
    return out;
}

namespace {

// Compares the first n units of two texts under folding without building the
// folded strings: the search of the staff list calls this once per row.
bool foldedEqual(QStringView a, QStringView b, qsizetype n)
{
    const auto &table = foldTable();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x < TableSize && y < TableSize) {
            if (table[x] != table[y])
                return false;
            continue;
        }
        if (QChar::isHighSurrogate(x) && QChar::isHighSurrogate(y) && i + 1 < n
            && a[i + 1].isLowSurrogate() && b[i + 1].isLowSurrogate()) {
            // Whole code points; equal high halves say nothing about the letters.
            if (turkishFold(QChar::surrogateToUcs4(x, a[i + 1].unicode()))
                != turkishFold(QChar::surrogateToUcs4(y, b[i + 1].unicode())))
                return false;
            ++i;
            continue;
        }
        if (x != y && turkishFold(QChar(x)) != turkishFold(QChar(y)))
            return false;
    }
    return true;
}

} // namespace

bool turkishFoldEquals(QStringView a, QStringView b)
{
    return a.size() == b.size() && foldedEqual(a, b, a.size());
}

bool turkishFoldStartsWith(QStringView text, QStringView prefix)
{
    // Folding keeps the length, so the prefix of the fold is the fold of the prefix
    // (a pair cut in half at the end folds to itself and simply fails to match).
    return prefix.size() <= text.size() && foldedEqual(text, prefix, prefix.size());
}

} // namespace platform
