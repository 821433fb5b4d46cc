#pragma once
// TfrxXMLSerializer: report objects to attribute text and elements, and back.
//
// Writing walks an object's stored members in their stored order (see
// TfrxPropertyMap) and produces ` Name="value"` pairs; value objects add their
// members with the member name as prefix ("Frame.Typ"), and their extra data as
// "<prefix>PropData" in hexadecimal.
//
// Reading is forgiving by design: every attribute is applied on its own, and an
// attribute that cannot be applied (a bad number, an unknown identifier, a name
// that is taken) leaves one line in ErrorList while reading goes on. Members the
// class does not have are ignored. References between objects are collected as
// fixups and resolved by name when the whole object or tree has been read, so
// an object may refer to one that comes later in the text.
//
// Trees are read to a bounded depth: a report is four levels deep, and a
// document nested thousands of levels could not even be destroyed safely, so
// anything below MaxDepth levels is skipped with an ErrorList line.
#include "report/model/tfrxcomponent.h"

#include <QPointer>
#include <QStringList>

class QIODevice;
class TfrxXMLItem;
struct TfrxPropInfo;

// Whether reading a tree looks up existing components by name instead of
// creating new ones.
enum class TfrxFindExisting : bool { No, Yes };

// One attribute as reading applies it: the name lower-cased, the value as
// written (still escaped).
struct TfrxPropertyPair
{
    QString lowerName, value;
};
using TfrxPropertyPairs = QList<TfrxPropertyPair>;

// An object text split once into its class and its attributes, for texts that
// are read again and again (the template text of a prepared page's objects).
struct TfrxSplitObjectText
{
    QString className;
    TfrxPropertyPairs pairs;
};

class TfrxXMLSerializer
{
public:
    static constexpr int MaxDepth = 64;

    explicit TfrxXMLSerializer(QIODevice *stream = nullptr);
    ~TfrxXMLSerializer();
    TfrxXMLSerializer(const TfrxXMLSerializer &) = delete;
    TfrxXMLSerializer &operator=(const TfrxXMLSerializer &) = delete;

    // Errors of all reads so far: sorted, each line once.
    const QStringList &ErrorList() const { return m_errors; }
    // Write members even where they hold their declared default.
    bool WriteDefaults = false;
    // The component whose report resolves names; set by the tree operations.
    TfrxComponent *Owner = nullptr;
    QIODevice *Stream() const { return m_stream; }

    QString WriteProperties(QObject *obj, const QString &prefix = {});
    void ReadProperties(const QString &text, QObject *obj);
    // The attributes of an attribute text in the order ReadProperties applies them.
    static TfrxPropertyPairs SplitProperties(const QString &text);
    static TfrxSplitObjectText SplitObjectText(const QString &text);

    // Fills the element (class name, Name and members; children when asked).
    // Without an element, writes an indented document to the stream.
    void WriteComponentTree(TfrxComponent *component, TfrxWithChildren children, TfrxXMLItem *item = nullptr);
    // Applies the element to root and creates (or finds) its descendants.
    // Without an element, reads a document from the stream; malformed markup
    // then throws TfrxXMLError ("Invalid file format").
    void ReadComponentTree(TfrxComponent *root, TfrxXMLItem *item = nullptr,
                           TfrxFindExisting find = TfrxFindExisting::No);

    // "<ClassName> <attributes>".
    QString ObjectToText(QObject *obj);
    // A new object of the named class, owned by the owner, with the attributes
    // applied; none for empty text. Throws LoderaError "Class X not found" for a
    // class outside the registry.
    QObject *ObjectFromText(TfrxComponent *owner, const QString &text);
    // The same as ObjectFromText(owner, head text + " " + tail) for a head
    // split beforehand.
    QObject *ObjectFromText(TfrxComponent *owner, const TfrxSplitObjectText &head, const QString &tail);
    // Writes "<" + ObjectToText + "/>" to the stream.
    void WriteShortElement(QObject *obj);

private:
    struct Fixup
    {
        QPointer<QObject> Target;
        int PropIndex;
        QString Name;
    };

    // The next attribute of `text` from `pos` on; false at the end.
    static bool nextPair(const QString &text, qsizetype &pos, TfrxPropertyPair &pair);
    template <class Read> QObject *buildObject(TfrxComponent *owner, const QString &className, const Read &read);
    void writeObject(QObject *obj, const QString &prefix, QObject *prototype, QString &out);
    void applyPair(QObject *obj, const QString &lowerName, const QString &value);
    void applyValue(QObject *obj, const TfrxPropInfo &info, const QString &value);
    void addError(QObject *context, const QString &message);
    QString referenceName(const TfrxComponent *ref) const;
    TfrxComponent *resolveName(const QString &name) const;
    void resolveFixups();
    void readElement(TfrxComponent *parent, TfrxComponent *target, TfrxXMLItem *item, TfrxFindExisting find,
                     int depth, QList<TfrxComponent *> &loaded);
    void writeElement(TfrxComponent *component, TfrxWithChildren children, TfrxXMLItem *item);

    QIODevice *m_stream;
    QStringList m_errors;
    QList<Fixup> m_fixups;
};
