#include "report/model/tfrxpicture.h"

#include "platform/loderaerror.h"

#include <QBuffer>
#include <QFile>

namespace {

QString kindOf(const QByteArray &b)
{
    if (b.startsWith("BM"))
        return QStringLiteral("TBitmap");
    if (b.startsWith(QByteArray("\x00\x00\x01\x00", 4)))
        return QStringLiteral("TIcon");
    if (b.startsWith("\xFF\xD8"))
        return QStringLiteral("TJPEGImage");
    // Enhanced metafile (record type 1 then " EMF" at offset 40) or placeable WMF.
    if ((b.size() > 44 && b.startsWith(QByteArray("\x01\x00\x00\x00", 4)) && b.mid(40, 4) == " EMF")
        || b.startsWith(QByteArray("\xD7\xCD\xC6\x9A", 4)))
        return QStringLiteral("TMetafile");
    return {};
}

const char *formatOf(const QString &kind)
{
    if (kind == QLatin1String("TBitmap"))
        return "BMP";
    if (kind == QLatin1String("TIcon"))
        return "ICO";
    if (kind == QLatin1String("TJPEGImage"))
        return "JPEG";
    return nullptr;
}

} // namespace

void TfrxPicture::LoadFromData(const QByteArray &bytes)
{
    const QString kind = kindOf(bytes);
    if (kind.isEmpty())
        throw LoderaError(QStringLiteral("Resim biçimi tanınmıyor"));
    QImage image;
    if (const char *fmt = formatOf(kind))
        image.loadFromData(bytes, fmt);
    m_kind = kind;
    m_bytes = bytes;
    m_image = image;
}

void TfrxPicture::LoadFromFile(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        throw LoderaError(QStringLiteral("Resim dosyası açılamadı: %1").arg(fileName));
    const QByteArray bytes = f.readAll();
    try {
        LoadFromData(bytes);
    } catch (const LoderaError &) {
        throw LoderaError(QStringLiteral("Resim biçimi tanınmıyor: %1").arg(fileName));
    }
}

void TfrxPicture::SetImage(const QImage &image)
{
    if (image.isNull()) {
        Clear();
        return;
    }
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    image.save(&buf, "BMP");
    m_kind = QStringLiteral("TBitmap");
    m_bytes = bytes;
    m_image = image;
}

void TfrxPicture::Clear()
{
    m_kind.clear();
    m_bytes.clear();
    m_image = QImage();
}

void TfrxPicture::Assign(const TfrxPicture &o)
{
    m_kind = o.m_kind;
    m_bytes = o.m_bytes;
    m_image = o.m_image;
}

QByteArray TfrxPicture::WriteData() const
{
    if (m_bytes.isEmpty())
        return {};
    const QByteArray kind = m_kind.toLatin1();
    QByteArray out;
    out.reserve(1 + kind.size() + 4 + m_bytes.size());
    out.append(char(kind.size()));
    out.append(kind);
    const quint32 n = quint32(m_bytes.size());
    for (int i = 0; i < 4; ++i)
        out.append(char((n >> (8 * i)) & 0xFF));
    out.append(m_bytes);
    return out;
}

void TfrxPicture::ReadData(const QByteArray &data)
{
    const auto fail = [] { throw LoderaError(QStringLiteral("Resim verisi bozuk")); };
    if (data.isEmpty())
        fail();
    const int kindLen = quint8(data[0]);
    if (data.size() < 1 + kindLen + 4)
        fail();
    const QString kind = QString::fromLatin1(data.mid(1, kindLen));
    quint32 n = 0;
    for (int i = 0; i < 4; ++i)
        n |= quint32(quint8(data[1 + kindLen + i])) << (8 * i);
    const qsizetype start = 1 + kindLen + 4;
    if (qsizetype(n) != data.size() - start)
        fail();
    const QByteArray bytes = data.mid(start);
    if (kindOf(bytes) != kind)
        fail();
    LoadFromData(bytes);
}
