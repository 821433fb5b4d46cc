#include "report/output/tfrxpagecache.h"

#include "report/model/tfrxreportpage.h"

TfrxReportPage *TfrxPageCache::Find(int index)
{
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Index == index) {
            if (i > 0)
                m_entries.move(i, 0);
            return m_entries.first().Page;
        }
    return nullptr;
}

int TfrxPageCache::Insert(int index, TfrxReportPage *page)
{
    // A page rebuilt again while a run changes it replaces its older picture.
    for (qsizetype i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].Index == index) {
            delete m_entries[i].Page;
            m_entries.removeAt(i);
            break;
        }
    m_entries.prepend({index, page});
    if (m_entries.size() <= Capacity)
        return -1;
    const Entry last = m_entries.takeLast();
    delete last.Page;
    return last.Index;
}

void TfrxPageCache::Clear()
{
    for (const Entry &e : m_entries)
        delete e.Page;
    m_entries.clear();
}
