#pragma once
// Base of the value objects that hang off report components (frame, font,
// highlight, display format, picture, the option records, collection items).
// Their Q_PROPERTYs are written by the serializer with the owner's property name
// as prefix ("Frame.Typ", "Font.Name"); a value object has no name and no tree.
//
// Some value objects carry data that is not a property (a picture's image). They
// stream it themselves through WriteData/ReadData; the serializer stores those
// bytes as the owner's "PropData" attribute.
#include <QByteArray>
#include <QObject>

class TfrxPersistent : public QObject
{
    Q_OBJECT
public:
    explicit TfrxPersistent(QObject *parent = nullptr) : QObject(parent) {}

    // Bytes of the object's own extra data; empty when it has none.
    virtual QByteArray WriteData() const { return {}; }
    // Restores the extra data written by WriteData; throws LoderaError on bytes it
    // cannot use, leaving the object as it was.
    virtual void ReadData(const QByteArray &) {}
};
