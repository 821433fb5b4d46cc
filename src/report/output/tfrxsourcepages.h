#pragma once
// TfrxSourcePages: the store's copies of the template pages of a run.
//
// Each template page taking part in a run is deep-copied once. Every object
// of a copy is a source object: it has an alias in the dictionary, a template
// text (its class name and stored members, what a rebuilt object starts from)
// and, during the run, a link to the template object it was copied from, so
// that a band handed to the store finds its source object directly.
//
// The template links are only compared, never followed: templates are
// rebuilt from their memory copy after every run, so the links are dropped
// at EndLinks. The copies themselves are owned here.
//
// Output records name their objects by a small number into one name table,
// holding aliases and the class names of objects that have no source.
#include "report/model/tfrxxmlserializer.h"
#include "report/output/tfrxdictionary.h"

#include <QHash>
#include <QList>
#include <QString>

class TfrxComponent;
class TfrxReportPage;

struct TfrxSourceObject
{
    TfrxComponent *Copy = nullptr;
    const TfrxComponent *Template = nullptr;
    QString Alias;
    QString TemplateText;
    // The template text split into class and attributes once, for rebuilding.
    TfrxSplitObjectText TemplateSplit;
    int NameId = -1;
    int PageIndex = 0;
    int BandNumber = -1; // -1 for objects that are not bands
};

class TfrxSourcePages
{
public:
    TfrxSourcePages() = default;
    ~TfrxSourcePages();
    TfrxSourcePages(const TfrxSourcePages &) = delete;
    TfrxSourcePages &operator=(const TfrxSourcePages &) = delete;

    int Count() const { return int(m_pages.size()); }
    TfrxReportPage *Page(int index) const { return m_pages.value(index); }
    // The last source page copied from that template page, or -1.
    int IndexOfTemplate(const TfrxComponent *templatePage) const;

    void CopyTemplatePage(TfrxReportPage *templatePage);
    void CopyTemplateObject(TfrxComponent *obj);
    // Takes a page read from a prepared report; its objects get their template
    // texts, their aliases come later through AddAlias.
    void AddLoadedPage(TfrxReportPage *page);
    // "Page<N>.<name>" as a prepared report's dictionary holds it; false when
    // the name does not lead to an object.
    bool AddAlias(const QString &alias, const QString &sourceName);

    const TfrxSourceObject *OfTemplate(const TfrxComponent *obj) const;
    const TfrxSourceObject *OfName(int nameId) const
    {
        const int i = m_nameObject.value(nameId, -1);
        return i < 0 ? nullptr : &m_objects[i];
    }
    const TfrxSourceObject *OfCopy(const TfrxComponent *copy) const;

    int Intern(const QString &name);
    const QString &Name(int nameId) const { return m_names[nameId]; }
    int NameCount() const { return int(m_names.size()); }

    const TfrxDictionary &Dictionary() const { return m_dictionary; }
    // Template links end with the run.
    void EndLinks();
    void Clear();

private:
    int addObject(TfrxComponent *copy, const TfrxComponent *templ, int pageIndex, const QString &alias);
    QString templateText(TfrxComponent *copy) const;

    QList<TfrxReportPage *> m_pages;
    QList<const TfrxComponent *> m_pageTemplates;
    QList<TfrxSourceObject> m_objects;
    QHash<const TfrxComponent *, int> m_byTemplate;
    QHash<const TfrxComponent *, int> m_byCopy;
    QList<QString> m_names;
    QList<int> m_nameObject;
    QHash<QString, int> m_nameIds;
    TfrxDictionary m_dictionary;
};
