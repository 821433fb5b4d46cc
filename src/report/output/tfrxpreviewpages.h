#pragma once
// TfrxPreviewPages: the prepared pages store.
//
// A run does not keep live objects for its output pages. Each template page
// is copied once into a source page whose objects get short aliases; an output
// page then holds, per placed band and view, only the alias and the attributes
// in which the object differs from its source (TfrxDifferenceText), packed in
// a TfrxPreviewPageData. A page object is rebuilt from that on demand, from
// the source object's template text followed by the differences, and the 50
// pages rebuilt last are kept in a TfrxPageCache.
//
// The document (root "preparedreport") carries one element per output page
// under "previewpages", named "page" + the source page index (or a full-form
// "TfrxReportPage" after ReplacePage), plus "anchors" and "outline". The
// objects of a page live in its packed data while the page is in memory; the
// element trees exist only when written out: as a prepared report file, or
// into the optional file cache (EngineOptions.UseFileCache), where a page that
// may unload (any but the first two) is written through the document's
// UnloadItem and read back through LoadItem when it is needed again.
//
// Drawing, printing and pointer handling build on BuildPage and
// EmptyPageCache and live with the painting code.
#include "report/base/tfrxxmldocument.h"
#include "report/output/tfrxcustompreviewpages.h"
#include "report/output/tfrxoutline.h"
#include "report/output/tfrxpagecache.h"
#include "report/output/tfrxpreviewpagedata.h"
#include "report/output/tfrxsourcepages.h"

#include <memory>
#include <vector>

class Canvas;
struct TfrxMouseResult;
enum class TfrxMouseAction;
class TfrxRunControl;
class TfrxXMLItem;

class TfrxPreviewPages : public TfrxCustomPreviewPages
{
public:
    explicit TfrxPreviewPages(TfrxReport *report);
    ~TfrxPreviewPages() override;

    int PageCount() const override { return int(m_pages.size()); }
    TfrxReportPage *BuildPage(int index) override;
    QSize PagePixelSize(int index) override;

    void Reset() override;
    void BeginRun() override;
    void RecordBand(TfrxComponent *band) override;
    void StartOutputPage(TfrxReportPage *templatePage) override;
    void CopyTemplatePage(TfrxReportPage *templatePage) override;
    void CopyTemplateObject(TfrxComponent *obj) override;
    void MarkPassStart() override;
    void DiscardFirstPass() override;
    int CutTail(int from) override;
    void EndRun() override;
    void PasteTail(double x, double y) override;
    bool HasBandOutput(TfrxComponent *templateBand) override;
    int PageObjectCount() const override;
    double LowestBandBottom() override;

    void InsertEmptyPage(int index) override;
    void RemovePage(int index) override;
    void ReplacePage(int index, TfrxReportPage *page) override;

    void ReadPrepared(QIODevice *stream, TfrxXMLLoad mode = TfrxXMLLoad::Complete) override;
    void WritePrepared(QIODevice *stream) override;
    bool OpenPreparedFile(const QString &fileName, TfrxMissingFile missing = TfrxMissingFile::Ignore) override;
    void SavePreparedFile(const QString &fileName) override;

    void StoreAnchor(const QString &text) override;
    int AnchorPageOf(const QString &text) const override;
    // The anchor element of that text (the last one stored), or none.
    TfrxXMLItem *FindAnchorItem(const QString &text) const;
    TfrxOutline *Outline() const override { return m_outline.get(); }

    // --- painting and printing (TfrxPagePainter, TfrxPrintLoop)
    void PaintPage(int index, Canvas &canvas, double ScaleX, double ScaleY, double OffsetX, double OffsetY);
    // Prints on the current printer of PrinterList(); true when printing was
    // carried out.
    bool SendToPrinter();
    // The view under the pointer of the preview and what a click on it asks
    // for (see TfrxPageMouse).
    TfrxMouseResult HandleMouse(int index, int x, int y, double scale, double offsetX, double offsetY,
                                TfrxMouseAction action);
    // Who runs the report: terminated flag, progress, messages, print dialog.
    // Without one printing runs without progress and cannot be cancelled.
    TfrxRunControl *RunControl() const { return m_runControl; }
    void SetRunControl(TfrxRunControl *control) { m_runControl = control; }

    // --- for the painting code, the preview and tests
    bool Running() const { return m_running; }
    void EmptyPageCache() { m_cache.Clear(); }
    int CachedPageCount() const { return m_cache.Count(); }
    const TfrxXMLDocument &Document() const { return m_document; }
    const TfrxSourcePages &SourcePages() const { return m_sources; }
    // The source object of an alias, or none.
    TfrxComponent *SourceObjectOf(const QString &alias) const { return m_sources.Dictionary().GetObject(alias); }
    // The page's objects as element children (what a prepared report holds).
    std::unique_ptr<TfrxXMLItem> PageElement(int index);
    // Estimated bytes recorded since the last memory check.
    qint64 MemoryCounter() const { return m_memoryCounter; }
    // Bytes the packed objects of all pages in memory take.
    qint64 PackedBytes() const;
    // Objects recorded since the store was last reset.
    qint64 RecordedObjects() const { return m_recorded; }
    bool PageInMemory(int index) const;

private:
    struct OutputPage
    {
        TfrxXMLItem *Element = nullptr; // child of "previewpages"
        TfrxPreviewPageData Data;
    };

    // A page element carrying its objects in full form rather than a "page" + N
    // element that refers to a source page.
    static bool isFullFormName(const QString &name);
    TfrxXMLItem *pagesItem();
    void checkMemory();
    void ensureLoaded(int index);
    void unloadPage(int index);
    void recordObject(TfrxComponent *obj, int depth, TfrxPreviewPageData &data);
    TfrxReportPage *rebuild(int index);
    int sourceIndexOf(const OutputPage &page) const;
    void packChildren(OutputPage &page);
    void materialize(const OutputPage &page, TfrxXMLItem *into) const;
    double attrOrSource(const TfrxPageRecord &r, const QString &name, double fromSource) const;
    void clearAll();
    void updateUnloadFlags();
    void readDocument();

    TfrxXMLDocument m_document;
    std::unique_ptr<TfrxOutline> m_outline;
    TfrxSourcePages m_sources;
    TfrxPageCache m_cache;
    std::vector<OutputPage> m_pages;
    QByteArray m_cutBuffer;
    int m_markPage = -1;
    int m_markCount = 0;
    int m_markOutline = 0; // top-level outline items before the pass
    qint64 m_memoryCounter = 0;
    qint64 m_recorded = 0;
    bool m_running = false;
    TfrxRunControl *m_runControl = nullptr;
};
