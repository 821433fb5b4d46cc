#pragma once
// Windows code page 1254 (Turkish), the 8-bit text of the settings files and of
// the report documents.
//
// All 256 bytes decode. The seven bytes that the code page leaves unassigned
// (81, 8D, 8E, 8F, 90, 9D, 9E) decode to the control characters of the same
// number, as Windows does, and encode back to themselves, so any byte string
// survives a round trip. Encoding is the direction that can fail: most of
// Unicode has no byte here. Callers choose between a strict encoding, which
// reports the first character it cannot hold and produces nothing, and a
// lenient one that writes '?' for it, as Windows does; the strict form is for
// every place where a silent '?' would lose what the user typed.
#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>
#include <optional>

class Codec1254
{
public:
    // One byte to its character; every byte has one.
    static QChar toUnicode(uchar byte);
    static QString toUnicode(QByteArrayView bytes);

    // The byte of one character, or -1 when the code page has none.
    static int byteOf(QChar c);

    static bool canEncode(QChar c);
    static bool canEncode(QStringView text);

    // Index of the first character (in UTF-16 units) that cannot be encoded,
    // or -1 when the whole text can. A surrogate pair counts as one character
    // at the index of its first half.
    static qsizetype firstUnencodable(QStringView text);

    // Strict: the bytes, or nothing when a character cannot be encoded; then
    // *badPosition (when given) receives its index as firstUnencodable does.
    static std::optional<QByteArray> encode(QStringView text, qsizetype *badPosition = nullptr);

    // Lenient: every character that cannot be encoded becomes one '?'.
    static QByteArray fromUnicodeLossy(QStringView text);
};
