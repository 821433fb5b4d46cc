#pragma once
// TfrxDictionary: the short aliases of the objects of the source pages.
//
// Every object of a source page gets an alias of a letter and a number ("m12")
// that stands for it in the output pages; the alias maps to a source name
// ("Page0.Memo12", the source page's index and the object's name) and to the
// object. Aliases compare without regard to case.
//
// A new alias for a letter is found by probing from B10000 downwards, halving,
// until a free one is met, then counting up to the first free number: the n-th
// alias of a letter costs about log n probes instead of n.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class TfrxComponent;

class TfrxDictionary
{
public:
    void Add(const QString &alias, const QString &sourceName, TfrxComponent *object);
    // Adds the object under the first free alias of the base letter; returns it.
    QString AddNew(const QString &base, const QString &sourceName, TfrxComponent *object);
    TfrxComponent *GetObject(const QString &alias) const;
    QString GetSourceName(const QString &alias) const;
    bool Contains(const QString &alias) const { return m_index.contains(alias.toLower()); }
    int Count() const { return int(m_entries.size()); }
    // Every alias, sorted without regard to case.
    QStringList SortedAliases() const;
    void Clear();

private:
    struct Entry
    {
        QString Alias;
        QString SourceName;
        TfrxComponent *Object;
    };
    QList<Entry> m_entries;
    QHash<QString, int> m_index; // lower-case alias -> entry
};
