// The store's run side: pages, recorded bands, passes, the cut buffer, the
// engine's queries, anchors and the memory check of the file cache.
#include "report/output/tfrxpreviewpages.h"

#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/frxunits.h"
#include "report/base/tfrxxmlitem.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxsubreport.h"
#include "report/model/tfrxxmlserializer.h"
#include "report/output/tfrxdifferencetext.h"
#include "report/output/tfrxoutline.h"

namespace {

constexpr int ElementOverhead = 52;

double attrValue(const QString &attrs, const QString &name, double absent)
{
    TfrxXMLItem scratch;
    scratch.SetAttrText(attrs);
    const QString v = scratch.GetAttr(name);
    if (v.isEmpty())
        return absent;
    try {
        return StrToFloatAny(v);
    } catch (const LoderaError &) {
        return absent;
    }
}

} // namespace

TfrxPreviewPages::TfrxPreviewPages(TfrxReport *report)
    : TfrxCustomPreviewPages(report),
      m_outline(std::make_unique<TfrxOutline>(&m_document, [this] { return WritePageIndex; }))
{
    m_document.Root()->SetElementName(QStringLiteral("preparedreport"));
    Reset();
}

TfrxPreviewPages::~TfrxPreviewPages()
{
    // Cached pages may refer to nothing here, but they go first all the same.
    m_cache.Clear();
}

TfrxXMLItem *TfrxPreviewPages::pagesItem()
{
    return m_document.Root()->FindOrAdd(QStringLiteral("previewpages"));
}

void TfrxPreviewPages::clearAll()
{
    m_cache.Clear();
    m_pages.clear();
    m_document.Clear();
    m_sources.Clear();
    m_cutBuffer.clear();
    m_outline->LevelRoot();
}

void TfrxPreviewPages::Reset()
{
    clearAll();
    pagesItem();
    WritePageIndex = -1;
    PageStepMode = TfrxPageStepMode::StepOnto;
    m_memoryCounter = 0;
    m_recorded = 0;
    m_markPage = -1;
    m_markCount = 0;
}

void TfrxPreviewPages::BeginRun()
{
    m_running = true;
    m_document.SetCacheFolder(Report() ? Report()->EngineOptions()->TempDir() : QString());
    if (Host())
        Host()->StoreProgress(TfrxProgressEvent::Start, TfrxProgressType::ptRunning, 0);
}

void TfrxPreviewPages::EndRun()
{
    m_cache.Clear();
    m_running = false;
    m_sources.EndLinks();
    if (!m_pages.empty())
        m_pages.back().Data.Squeeze();
    if (Host())
        Host()->StoreProgress(TfrxProgressEvent::Stop, TfrxProgressType::ptRunning, 0);
}

void TfrxPreviewPages::CopyTemplatePage(TfrxReportPage *templatePage)
{
    m_sources.CopyTemplatePage(templatePage);
}

void TfrxPreviewPages::CopyTemplateObject(TfrxComponent *obj)
{
    m_sources.CopyTemplateObject(obj);
}

void TfrxPreviewPages::StartOutputPage(TfrxReportPage *templatePage)
{
    checkMemory();
    ++WritePageIndex;
    if (WritePageIndex < PageCount() && PageStepMode != TfrxPageStepMode::AppendNew)
        return;
    int source = m_sources.IndexOfTemplate(templatePage);
    if (source < 0 && templatePage) {
        // A page the engine did not announce is copied now rather than lost.
        m_sources.CopyTemplatePage(templatePage);
        source = m_sources.Count() - 1;
    }
    if (!m_pages.empty())
        m_pages.back().Data.Squeeze();
    OutputPage page;
    page.Element = pagesItem()->Add(QStringLiteral("page%1").arg(qMax(source, 0)));
    m_pages.push_back(std::move(page));
    // The first two pages always stay in memory.
    m_pages.back().Element->SetMayUnload(PageCount() > 2);
    if (Host())
        Host()->StoreProgress(TfrxProgressEvent::Progress, TfrxProgressType::ptRunning, WritePageIndex + 1);
    PageStepMode = TfrxPageStepMode::StepOnto;
    WritePageIndex = PageCount() - 1;
}

void TfrxPreviewPages::RecordBand(TfrxComponent *band)
{
    if (!band || WritePageIndex < 0 || WritePageIndex >= PageCount())
        return;
    ensureLoaded(WritePageIndex);
    recordObject(band, 0, m_pages[WritePageIndex].Data);
}

void TfrxPreviewPages::recordObject(TfrxComponent *obj, int depth, TfrxPreviewPageData &data)
{
    if (!obj->Visible())
        return;
    if (qobject_cast<TfrxSubreport *>(obj)) {
        for (TfrxComponent *child : obj->Objects())
            recordObject(child, depth, data);
        return;
    }
    int nameId;
    QString attrs;
    if (const TfrxSourceObject *source = m_sources.OfTemplate(obj)) {
        nameId = source->NameId;
        const bool finalPass = !Host() || Host()->FinalPass();
        if (!finalPass)
            attrs = TfrxDifferenceText::BaseText(obj, source->Copy);
        else if (TfrxDifferenceText::FullFormOnly(obj))
            attrs = TfrxXMLSerializer().WriteProperties(obj) + TfrxDifferenceText::BaseText(obj, source->Copy);
        else
            attrs = TfrxDifferenceText::Text(obj, source->Copy);
    } else {
        nameId = m_sources.Intern(QString::fromLatin1(obj->metaObject()->className()));
        attrs = TfrxXMLSerializer().WriteProperties(obj);
    }
    if (attrs.startsWith(QLatin1Char(' ')))
        attrs.remove(0, 1);
    data.Append(depth, nameId, attrs);
    m_memoryCounter += m_sources.Name(nameId).size() + attrs.size() + ElementOverhead;
    ++m_recorded;
    for (TfrxComponent *child : obj->Objects())
        recordObject(child, depth + 1, data);
}

void TfrxPreviewPages::MarkPassStart()
{
    m_markPage = PageCount() - 1;
    m_markCount = 0;
    m_markOutline = int(m_outline->RootItem()->Count());
    if (m_markPage >= 0) {
        ensureLoaded(m_markPage);
        m_markCount = m_pages[m_markPage].Data.Count();
    }
}

void TfrxPreviewPages::DiscardFirstPass()
{
    m_cache.Clear();
    if (m_markPage < 0) {
        // Everything of the first pass goes but its anchors, which the second
        // pass may look up before it reaches them again.
        TfrxXMLItem *root = m_document.Root();
        for (qsizetype i = 0; i < root->Count(); ++i)
            if (root->Item(i)->ElementName() != QLatin1String("anchors"))
                root->Item(i)->Clear();
        m_pages.clear();
        m_cutBuffer.clear();
        m_outline->LevelRoot();
    } else {
        while (PageCount() > m_markPage + 1) {
            delete m_pages.back().Element;
            m_pages.pop_back();
        }
        ensureLoaded(m_markPage);
        m_pages[m_markPage].Data.Truncate(m_markCount);
        m_outline->TruncateRoot(m_markOutline);
    }
    WritePageIndex = m_markPage;
    m_memoryCounter = 0;
}

int TfrxPreviewPages::CutTail(int from)
{
    if (WritePageIndex < 0 || WritePageIndex >= PageCount())
        return 0;
    ensureLoaded(WritePageIndex);
    TfrxPreviewPageData &data = m_pages[WritePageIndex].Data;
    m_cutBuffer += data.TakeTail(from);
    return data.Count();
}

void TfrxPreviewPages::PasteTail(double x, double y)
{
    if (m_cutBuffer.isEmpty() || WritePageIndex < 0 || WritePageIndex >= PageCount()) {
        m_cutBuffer.clear();
        return;
    }
    ensureLoaded(WritePageIndex);
    QByteArray moved;
    TfrxPreviewPageData::Cursor c(m_cutBuffer);
    TfrxPageRecord r;
    bool first = true;
    double oldLeft = 0;
    double oldTop = 0;
    while (c.Next(r)) {
        if (r.Depth == 0) {
            const double l = attrValue(r.Attrs, QStringLiteral("l"), 0);
            const double t = attrValue(r.Attrs, QStringLiteral("t"), 0);
            if (first) {
                oldLeft = l;
                oldTop = t;
                first = false;
            }
            TfrxXMLItem scratch;
            scratch.SetAttrText(r.Attrs);
            scratch.SetAttr(QStringLiteral("l"), frxFloatToStr(l + (x - oldLeft)));
            scratch.SetAttr(QStringLiteral("t"), frxFloatToStr(t + (y - oldTop)));
            r.Attrs = scratch.AttrText().trimmed();
        }
        TfrxPreviewPageData::EncodeRecord(moved, r.Depth, r.NameId, r.Attrs);
    }
    m_pages[WritePageIndex].Data.AppendPacked(moved);
    m_cutBuffer.clear();
}

int TfrxPreviewPages::PageObjectCount() const
{
    if (WritePageIndex < 0 || WritePageIndex >= PageCount())
        return 0;
    const OutputPage &page = m_pages[WritePageIndex];
    return page.Element->InMemory() ? page.Data.Count() : int(page.Element->Count());
}

bool TfrxPreviewPages::HasBandOutput(TfrxComponent *templateBand)
{
    if (!templateBand || WritePageIndex < 0 || WritePageIndex >= PageCount())
        return false;
    ensureLoaded(WritePageIndex);
    const auto *band = qobject_cast<const TfrxBand *>(templateBand);
    const int number = band ? band->BandNumber() : -1;
    // Only one page footer and one column footer belong on a page, whichever
    // template band they came from.
    const bool singular = number == 3 || number == 16;
    TfrxPreviewPageData::Cursor c = m_pages[WritePageIndex].Data.Records();
    TfrxPageRecord r;
    while (c.Next(r, TfrxPreviewPageData::Cursor::Attrs::Skip)) {
        const TfrxSourceObject *source = m_sources.OfName(r.NameId);
        if (!source)
            continue;
        if (source->Template == templateBand || (singular && source->BandNumber == number))
            return true;
    }
    return false;
}

double TfrxPreviewPages::LowestBandBottom()
{
    if (WritePageIndex < 0 || WritePageIndex >= PageCount())
        return 0;
    ensureLoaded(WritePageIndex);
    double lowest = 0;
    TfrxPreviewPageData::Cursor c = m_pages[WritePageIndex].Data.Records();
    TfrxPageRecord r;
    while (c.Next(r)) {
        const TfrxSourceObject *source = m_sources.OfName(r.NameId);
        if (!source || source->BandNumber < 0 || source->BandNumber == 3)
            continue;
        const double bottom = attrValue(r.Attrs, QStringLiteral("t"), source->Copy->Top())
                              + attrValue(r.Attrs, QStringLiteral("h"), source->Copy->Height());
        lowest = qMax(lowest, bottom);
    }
    return lowest;
}

void TfrxPreviewPages::StoreAnchor(const QString &text)
{
    TfrxXMLItem *item = m_document.Root()->FindOrAdd(QStringLiteral("anchors"))->Add(QStringLiteral("item"));
    item->SetAttr(QStringLiteral("text"), text);
    item->SetAttr(QStringLiteral("page"), QString::number(WritePageIndex));
    item->SetAttr(QStringLiteral("top"), QString::number(frxRound(Host() ? Host()->CurY() : 0)));
}

TfrxXMLItem *TfrxPreviewPages::FindAnchorItem(const QString &text) const
{
    const TfrxXMLItem *anchors = m_document.Root()->FindItem(QStringLiteral("anchors"));
    if (!anchors)
        return nullptr;
    for (qsizetype i = anchors->Count() - 1; i >= 0; --i)
        if (anchors->Item(i)->GetAttr(QStringLiteral("text")).compare(text, Qt::CaseInsensitive) == 0)
            return anchors->Item(i);
    return nullptr;
}

int TfrxPreviewPages::AnchorPageOf(const QString &text) const
{
    const TfrxXMLItem *item = FindAnchorItem(text);
    return item ? item->GetAttr(QStringLiteral("page")).toInt() + 1 : 1;
}

void TfrxPreviewPages::checkMemory()
{
    const TfrxEngineOptions *options = Report() ? Report()->EngineOptions() : nullptr;
    if (!options || !options->UseFileCache()
        || m_memoryCounter <= qint64(options->MaxMemSize()) * 1048576)
        return;
    for (int i = PageCount() - 2; i >= 0; --i) {
        if (!m_pages[i].Element->InMemory())
            break;
        unloadPage(i);
    }
    m_memoryCounter = 0;
}

qint64 TfrxPreviewPages::PackedBytes() const
{
    qint64 total = 0;
    for (const OutputPage &p : m_pages)
        total += p.Data.ByteSize();
    return total;
}

bool TfrxPreviewPages::PageInMemory(int index) const
{
    return index >= 0 && index < PageCount() && m_pages[index].Element->InMemory();
}
