#include "report/output/tfrxdictionary.h"

#include <algorithm>

void TfrxDictionary::Add(const QString &alias, const QString &sourceName, TfrxComponent *object)
{
    const QString key = alias.toLower();
    const auto it = m_index.constFind(key);
    if (it != m_index.constEnd()) {
        m_entries[*it] = {alias, sourceName, object};
        return;
    }
    m_index.insert(key, int(m_entries.size()));
    m_entries.append({alias, sourceName, object});
}

QString TfrxDictionary::AddNew(const QString &base, const QString &sourceName, TfrxComponent *object)
{
    int n = 10000;
    while (n > 1 && !Contains(base + QString::number(n)))
        n /= 2;
    while (Contains(base + QString::number(n)))
        ++n;
    const QString alias = base + QString::number(n);
    Add(alias, sourceName, object);
    return alias;
}

TfrxComponent *TfrxDictionary::GetObject(const QString &alias) const
{
    const auto it = m_index.constFind(alias.toLower());
    return it == m_index.constEnd() ? nullptr : m_entries[*it].Object;
}

QString TfrxDictionary::GetSourceName(const QString &alias) const
{
    const auto it = m_index.constFind(alias.toLower());
    return it == m_index.constEnd() ? QString() : m_entries[*it].SourceName;
}

QStringList TfrxDictionary::SortedAliases() const
{
    QStringList aliases;
    aliases.reserve(m_entries.size());
    for (const Entry &e : m_entries)
        aliases.append(e.Alias);
    std::sort(aliases.begin(), aliases.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return aliases;
}

void TfrxDictionary::Clear()
{
    m_entries.clear();
    m_index.clear();
}
