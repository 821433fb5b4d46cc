#pragma once
// A picture as a view holds it: the encoded bytes of one image (a bitmap, icon,
// metafile or JPEG image) plus the decoded image for drawing. The bytes are kept
// as they came, so a 4-bit bitmap of a template is written back bit for bit.
//
// Extra data layout (the "PropData" of the owning view): one byte with the length
// of the kind name, the kind name ("TBitmap", "TIcon", "TMetafile", "TJPEGImage")
// in ASCII, a 32-bit little-endian byte count, then the image bytes.
#include "report/model/tfrxpersistent.h"

#include <QImage>
#include <QString>

class TfrxPicture : public TfrxPersistent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxPicture(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    bool IsEmpty() const { return m_bytes.isEmpty(); }
    // The kind of image held, or empty when there is none.
    const QString &Kind() const { return m_kind; }
    const QByteArray &Bytes() const { return m_bytes; }
    // Decoded image; null for a metafile or undecodable data.
    const QImage &Image() const { return m_image; }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }

    // Takes encoded image bytes; the kind is recognised from their signature.
    // Throws LoderaError for bytes of no supported kind.
    void LoadFromData(const QByteArray &bytes);
    // Throws LoderaError naming the file when it cannot be read or is no picture.
    void LoadFromFile(const QString &fileName);
    // Holds the image as a bitmap.
    void SetImage(const QImage &image);
    void Clear();
    void Assign(const TfrxPicture &other);

    QByteArray WriteData() const override;
    void ReadData(const QByteArray &data) override;

private:
    QString m_kind;
    QByteArray m_bytes;
    QImage m_image;
};
