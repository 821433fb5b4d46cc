#include "report/output/tfrxsourcepages.h"

#include "platform/loderaerror.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxclassregistry.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxxmlserializer.h"
#include "report/output/tfrxdifferencetext.h"

TfrxSourcePages::~TfrxSourcePages()
{
    Clear();
}

int TfrxSourcePages::IndexOfTemplate(const TfrxComponent *templatePage) const
{
    return int(m_pageTemplates.lastIndexOf(templatePage));
}

QString TfrxSourcePages::templateText(TfrxComponent *copy) const
{
    if (TfrxDifferenceText::FullFormOnly(copy))
        return QString::fromLatin1(copy->metaObject()->className());
    TfrxXMLSerializer s;
    return s.ObjectToText(copy);
}

int TfrxSourcePages::addObject(TfrxComponent *copy, const TfrxComponent *templ, int pageIndex, const QString &alias)
{
    TfrxSourceObject o;
    o.Copy = copy;
    o.Template = templ;
    o.Alias = alias;
    o.TemplateText = templateText(copy);
    o.TemplateSplit = TfrxXMLSerializer::SplitObjectText(o.TemplateText);
    o.PageIndex = pageIndex;
    if (const auto *band = qobject_cast<const TfrxBand *>(copy))
        o.BandNumber = band->BandNumber();
    const int index = int(m_objects.size());
    m_objects.append(o);
    m_byCopy.insert(copy, index);
    if (templ)
        m_byTemplate.insert(templ, index);
    if (!alias.isEmpty()) {
        const int id = Intern(alias);
        m_objects[index].NameId = id;
        m_nameObject[id] = index;
    }
    return index;
}

namespace {

QString baseLetter(const TfrxComponent *copy)
{
    if (qobject_cast<const TfrxBand *>(copy))
        return QStringLiteral("b");
    const QString prefix = copy->NamePrefix();
    return prefix.isEmpty() ? QStringLiteral("v") : prefix.left(1).toLower();
}

} // namespace

void TfrxSourcePages::CopyTemplatePage(TfrxReportPage *templatePage)
{
    if (!templatePage)
        return;
    auto *copy = new TfrxReportPage(nullptr);
    try {
        copy->AssignFrom(templatePage, TfrxWithChildren::Yes);
        copy->SetName(templatePage->Name());
    } catch (const LoderaError &) {
        // A copy that could not take everything still serves for what it took.
    }
    const int pageIndex = int(m_pages.size());
    m_pages.append(copy);
    m_pageTemplates.append(templatePage);

    const QList<TfrxComponent *> templ = templatePage->AllObjects();
    const QList<TfrxComponent *> copies = copy->AllObjects();
    const QString prefix = QStringLiteral("Page%1.").arg(pageIndex);
    for (qsizetype i = 0; i < copies.size() && i < templ.size(); ++i) {
        TfrxComponent *c = copies[i];
        // Both trees are walked in step; a class that did not copy breaks the
        // step, and the remaining objects are recorded in full instead.
        if (c->metaObject() != templ[i]->metaObject())
            break;
        const QString alias = m_dictionary.AddNew(baseLetter(c), prefix + c->Name(), c);
        addObject(c, templ[i], pageIndex, alias);
    }
}

void TfrxSourcePages::CopyTemplateObject(TfrxComponent *obj)
{
    if (!obj || m_pages.isEmpty() || m_byTemplate.contains(obj))
        return;
    TfrxReportPage *page = m_pages.last();
    auto *copy = qobject_cast<TfrxComponent *>(TfrxClassRegistry::Create(obj->metaObject(), page));
    if (!copy)
        return;
    try {
        copy->AssignFrom(obj, TfrxWithChildren::No);
    } catch (const LoderaError &) {
    }
    copy->MakeUniqueName();
    const int pageIndex = int(m_pages.size()) - 1;
    const QString alias =
        m_dictionary.AddNew(baseLetter(copy), QStringLiteral("Page%1.").arg(pageIndex) + copy->Name(), copy);
    addObject(copy, obj, pageIndex, alias);
}

void TfrxSourcePages::AddLoadedPage(TfrxReportPage *page)
{
    const int pageIndex = int(m_pages.size());
    m_pages.append(page);
    m_pageTemplates.append(nullptr);
    for (TfrxComponent *c : page->AllObjects())
        addObject(c, nullptr, pageIndex, QString());
}

bool TfrxSourcePages::AddAlias(const QString &alias, const QString &sourceName)
{
    if (alias.isEmpty() || !sourceName.startsWith(QLatin1String("Page")))
        return false;
    const qsizetype dot = sourceName.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    bool ok = false;
    const int pageIndex = sourceName.mid(4, dot - 4).toInt(&ok);
    if (!ok || pageIndex < 0 || pageIndex >= m_pages.size())
        return false;
    TfrxComponent *obj = m_pages[pageIndex]->FindObject(sourceName.mid(dot + 1));
    const auto it = m_byCopy.constFind(obj);
    if (!obj || it == m_byCopy.constEnd())
        return false;
    m_dictionary.Add(alias, sourceName, obj);
    TfrxSourceObject &o = m_objects[*it];
    o.Alias = alias;
    o.NameId = Intern(alias);
    m_nameObject[o.NameId] = *it;
    return true;
}

const TfrxSourceObject *TfrxSourcePages::OfTemplate(const TfrxComponent *obj) const
{
    const auto it = m_byTemplate.constFind(obj);
    return it == m_byTemplate.constEnd() ? nullptr : &m_objects[*it];
}

const TfrxSourceObject *TfrxSourcePages::OfCopy(const TfrxComponent *copy) const
{
    const auto it = m_byCopy.constFind(copy);
    return it == m_byCopy.constEnd() ? nullptr : &m_objects[*it];
}

int TfrxSourcePages::Intern(const QString &name)
{
    const auto it = m_nameIds.constFind(name);
    if (it != m_nameIds.constEnd())
        return *it;
    const int id = int(m_names.size());
    m_names.append(name);
    int object = -1;
    // A name read from a file may be an alias in another case.
    if (TfrxComponent *copy = m_dictionary.GetObject(name))
        object = m_byCopy.value(copy, -1);
    m_nameObject.append(object);
    m_nameIds.insert(name, id);
    return id;
}

void TfrxSourcePages::EndLinks()
{
    m_byTemplate.clear();
    for (TfrxSourceObject &o : m_objects)
        o.Template = nullptr;
    for (const TfrxComponent *&t : m_pageTemplates)
        t = nullptr;
}

void TfrxSourcePages::Clear()
{
    qDeleteAll(m_pages);
    m_pages.clear();
    m_pageTemplates.clear();
    m_objects.clear();
    m_byTemplate.clear();
    m_byCopy.clear();
    m_names.clear();
    m_nameObject.clear();
    m_nameIds.clear();
    m_dictionary.Clear();
}
