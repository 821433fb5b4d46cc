// The store's read side: rebuilding page objects, page sizes, the file cache
// moves between packed records and elements, and page editing.
#include "report/output/tfrxpreviewpages.h"

#include "platform/loderaerror.h"
#include "report/base/frxunits.h"
#include "report/base/tfrxxmlitem.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxxmlserializer.h"

bool TfrxPreviewPages::isFullFormName(const QString &name)
{
    return name.compare(QLatin1String("TfrxReportPage"), Qt::CaseInsensitive) == 0
           || name.compare(QLatin1String("TfrxDMPPage"), Qt::CaseInsensitive) == 0;
}

int TfrxPreviewPages::sourceIndexOf(const OutputPage &page) const
{
    const QString &name = page.Element->ElementName();
    if (!name.startsWith(QLatin1String("page"), Qt::CaseInsensitive) || name.size() == 4)
        return -1;
    bool ok = false;
    const int n = name.mid(4).toInt(&ok);
    return ok && n >= 0 && n < m_sources.Count() ? n : -1;
}

void TfrxPreviewPages::materialize(const OutputPage &page, TfrxXMLItem *into) const
{
    page.Data.ToItems(into, [this](int id) { return id < m_sources.NameCount() ? m_sources.Name(id) : QString(); });
}

void TfrxPreviewPages::packChildren(OutputPage &page)
{
    page.Data.FromItems(page.Element, [this](const QString &name) { return m_sources.Intern(name); });
    page.Element->Clear();
    page.Element->SetInMemory(true);
}

void TfrxPreviewPages::ensureLoaded(int index)
{
    OutputPage &page = m_pages[index];
    if (page.Element->InMemory())
        return;
    m_document.LoadItem(page.Element);
    packChildren(page);
}

void TfrxPreviewPages::unloadPage(int index)
{
    OutputPage &page = m_pages[index];
    TfrxXMLItem *element = page.Element;
    if (!element->InMemory() || !element->MayUnload())
        return;
    materialize(page, element);
    try {
        m_document.UnloadItem(element);
    } catch (...) {
        // The records are still here; the elements made for the write go.
        element->Clear();
        element->SetInMemory(true);
        throw;
    }
    page.Data.Clear();
    page.Data.Squeeze();
}

std::unique_ptr<TfrxXMLItem> TfrxPreviewPages::PageElement(int index)
{
    if (index < 0 || index >= PageCount())
        return nullptr;
    ensureLoaded(index);
    const OutputPage &page = m_pages[index];
    auto item = std::make_unique<TfrxXMLItem>(page.Element->ElementName());
    item->SetAttrText(page.Element->AttrText());
    item->SetMayUnload(page.Element->MayUnload());
    materialize(page, item.get());
    return item;
}

TfrxReportPage *TfrxPreviewPages::BuildPage(int index)
{
    if (index < 0 || index >= PageCount())
        return nullptr;
    if (!m_running)
        if (TfrxReportPage *cached = m_cache.Find(index))
            return cached;
    ensureLoaded(index);
    TfrxReportPage *page = rebuild(index);
    const int dropped = m_cache.Insert(index, page);
    const TfrxEngineOptions *options = Report() ? Report()->EngineOptions() : nullptr;
    if (dropped >= 0 && dropped < PageCount() && options && options->UseFileCache())
        unloadPage(dropped);
    return page;
}

TfrxReportPage *TfrxPreviewPages::rebuild(int index)
{
    const OutputPage &op = m_pages[index];
    auto *page = new TfrxReportPage(nullptr);
    TfrxXMLSerializer serializer;
    if (isFullFormName(op.Element->ElementName())) {
        TfrxXMLItem tree(op.Element->ElementName());
        tree.SetAttrText(op.Element->AttrText());
        materialize(op, &tree);
        try {
            serializer.ReadComponentTree(page, &tree);
        } catch (const LoderaError &) {
            // What was read stays; a rebuilt page is shown as far as it goes.
        }
        page->ArrangeAlignedChildren();
        return page;
    }
    if (TfrxReportPage *source = m_sources.Page(sourceIndexOf(op))) {
        try {
            page->AssignFrom(source, TfrxWithChildren::No);
        } catch (const LoderaError &) {
        }
    }
    // chain[d] is the object that records of depth d + 1 hang under; a record
    // that could not be built leaves a gap, and its children are skipped too.
    QList<TfrxComponent *> chain{page};
    TfrxPreviewPageData::Cursor c = op.Data.Records();
    TfrxPageRecord r;
    while (c.Next(r)) {
        if (r.Depth >= TfrxXMLSerializer::MaxDepth)
            continue;
        const int depth = qMin(r.Depth, int(chain.size()) - 1);
        chain.resize(depth + 1);
        TfrxComponent *parent = chain.last();
        TfrxComponent *obj = nullptr;
        if (parent) {
            const TfrxSourceObject *source = m_sources.OfName(r.NameId);
            try {
                // Without an owner: names repeat on an output page (every row
                // of a list has the same memos), which a tree would refuse.
                // The template text, split once, and then the differences.
                QObject *made = source ? serializer.ObjectFromText(nullptr, source->TemplateSplit, r.Attrs)
                                       : serializer.ObjectFromText(nullptr, m_sources.Name(r.NameId)
                                                                                + QLatin1Char(' ') + r.Attrs);
                obj = qobject_cast<TfrxComponent *>(made);
                if (!obj || qobject_cast<TfrxPage *>(obj) || qobject_cast<TfrxReport *>(obj)) {
                    delete made;
                    obj = nullptr;
                }
            } catch (const LoderaError &) {
                obj = nullptr;
            }
            if (obj) {
                if (source) {
                    try {
                        obj->SetName(source->Copy->Name());
                    } catch (const LoderaError &) {
                    }
                }
                obj->SetParent(parent);
            }
        }
        chain.append(obj);
    }
    page->ArrangeAlignedChildren();
    return page;
}

QSize TfrxPreviewPages::PagePixelSize(int index)
{
    if (index < 0 || index >= PageCount())
        return {0, 0};
    const TfrxComponent *page = m_sources.Page(sourceIndexOf(m_pages[index]));
    if (!page)
        page = BuildPage(index);
    if (!page)
        return {0, 0};
    return {frxRound(page->Width()), frxRound(page->Height())};
}

// --- editing

void TfrxPreviewPages::InsertEmptyPage(int index)
{
    if (index < 0 || index >= PageCount())
        return;
    auto *element = new TfrxXMLItem(m_pages[index].Element->ElementName());
    element->SetAttrText(m_pages[index].Element->AttrText());
    pagesItem()->InsertItem(index, element);
    OutputPage page;
    page.Element = element;
    m_pages.insert(m_pages.begin() + index, std::move(page));
    m_cache.Clear();
    updateUnloadFlags();
}

void TfrxPreviewPages::RemovePage(int index)
{
    if (PageCount() <= 1 || index < 0 || index >= PageCount())
        return;
    delete m_pages[index].Element;
    m_pages.erase(m_pages.begin() + index);
    if (WritePageIndex >= PageCount())
        WritePageIndex = PageCount() - 1;
    m_cache.Clear();
    updateUnloadFlags();
}

void TfrxPreviewPages::ReplacePage(int index, TfrxReportPage *page)
{
    if (!page || index < 0 || index >= PageCount())
        return;
    // The page may be one of the cache's own: take its tree before the cache goes.
    TfrxXMLItem tree;
    TfrxXMLSerializer serializer;
    serializer.WriteComponentTree(page, TfrxWithChildren::Yes, &tree);
    m_cache.Clear();
    OutputPage &op = m_pages[index];
    op.Element->Clear();
    op.Element->SetElementName(tree.ElementName());
    op.Element->SetAttrText(tree.AttrText());
    op.Element->SetMayUnload(false);
    op.Element->SetInMemory(true);
    op.Data.FromItems(&tree, [this](const QString &name) { return m_sources.Intern(name); });
}

void TfrxPreviewPages::updateUnloadFlags()
{
    for (int i = 0; i < PageCount(); ++i) {
        TfrxXMLItem *element = m_pages[i].Element;
        const bool may = i >= 2 && !isFullFormName(element->ElementName());
        if (may == element->MayUnload())
            continue;
        if (!may)
            ensureLoaded(i);
        element->SetMayUnload(may);
    }
}
