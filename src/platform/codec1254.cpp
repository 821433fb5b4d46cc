#include "platform/codec1254.h"

#include <array>

namespace {

// Bytes 80..9F. Unassigned bytes keep their own number.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x008E, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178,
};

constexpr std::array<char16_t, 256> makeDecodeTable()
{
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[b] = char16_t(b);  // A0..FF are Latin-1 but for the six Turkish letters
    for (int b = 0; b < 32; ++b)
        t[0x80 + b] = HighControls[b];
    t[0xD0] = 0x011E;  // Ğ
    t[0xDD] = 0x0130;  // İ
    t[0xDE] = 0x015E;  // Ş
    t[0xF0] = 0x011F;  // ğ
    t[0xFD] = 0x0131;  // ı
    t[0xFE] = 0x015F;  // ş
    return t;
}

constexpr std::array<char16_t, 256> DecodeTable = makeDecodeTable();

// Encoding goes through pages of 256 characters: only the pages the code page
// touches exist. A cell holds byte + 1, so 0 means "no byte".
struct EncodeTable
{
    std::array<uint16_t, 256> *index[256] = {};
    std::array<uint16_t, 256> storage[8] = {};  // the code page touches five pages
    int used = 0;

    EncodeTable()
    {
        for (int b = 0; b < 256; ++b) {
            const char16_t c = DecodeTable[b];
            const int hi = c >> 8;
            if (!page(hi))
                index[hi] = &storage[used++];
            (*index[hi])[c & 0xFF] = uint16_t(b + 1);
        }
    }

    const std::array<uint16_t, 256> *page(int hi) const { return index[hi]; }
};

const EncodeTable &encodeTable()
{
    static const EncodeTable table;
    return table;
}

} // namespace

QChar Codec1254::toUnicode(uchar byte)
{
    return QChar(DecodeTable[byte]);
}

QString Codec1254::toUnicode(QByteArrayView bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    const auto *src = reinterpret_cast<const uchar *>(bytes.data());
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(DecodeTable[src[i]]);
    return out;
}

int Codec1254::byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    const auto *page = encodeTable().page(u >> 8);
    return page ? int((*page)[u & 0xFF]) - 1 : -1;
}

bool Codec1254::canEncode(QChar c)
{
    return byteOf(c) >= 0;
}

bool Codec1254::canEncode(QStringView text)
{
    return firstUnencodable(text) < 0;
}

qsizetype Codec1254::firstUnencodable(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() >= 0x80 && byteOf(text[i]) < 0)
            return i;
    }
    return -1;
}

std::optional<QByteArray> Codec1254::encode(QStringView text, qsizetype *badPosition)
{
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i]);
        if (b < 0) {
            if (badPosition)
                *badPosition = i;
            return std::nullopt;
        }
        dst[i] = char(b);
    }
    if (badPosition)
        *badPosition = -1;
    return out;
}

QByteArray Codec1254::fromUnicodeLossy(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = byteOf(text[i]);
        if (b >= 0) {
            out.append(char(b));
            continue;
        }
        out.append('?');
        // One '?' for a whole character, not one per half of a pair.
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
    }
    return out;
}
