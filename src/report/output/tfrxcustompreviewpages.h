#pragma once
// TfrxCustomPreviewPages: the prepared pages store as its writers and readers
// see it.
//
// The band engine writes a run into the store (BeginRun, CopyTemplatePage,
// StartOutputPage, RecordBand, ... EndRun); the preview and the print loop
// only read it back (PageCount, PagePixelSize, BuildPage). The store lives
// with the output layer, but the engine sits below that layer, so this class is
// deliberately header-only: every operation is pure virtual and the few plain
// fields are inline, so the engine can hold and call a store without linking
// the output library.
//
// Two things the store needs from whoever runs the report come through
// TfrxPreviewPagesHost: the engine's current vertical position (anchors), the
// first-pass flag of a double-pass run (the first pass records positions only)
// and the progress notifications of a run. Without a host the store records
// full objects, anchors at 0, and reports nothing.
#include "report/base/tfrxxmlreader.h"

#include <QSize>
#include <QString>

class QIODevice;
class TfrxComponent;
class TfrxCustomOutline;
class TfrxReport;
class TfrxReportPage;

enum class TfrxPageStepMode { StepOnto, AppendNew };
enum class TfrxProgressType { ptRunning, ptExporting, ptPrinting };
enum class TfrxProgressEvent { Start, Progress, Stop };
// What OpenPreparedFile does when the file is missing.
enum class TfrxMissingFile { Ignore, Raise };

class TfrxPreviewPagesHost
{
public:
    virtual ~TfrxPreviewPagesHost() = default;
    // The engine's current vertical position on the output page, in pixels.
    virtual double CurY() const = 0;
    // False only during the first pass of a double-pass run.
    virtual bool FinalPass() const = 0;
    // Progress of a run (page = 1-based page number for Progress events).
    virtual void StoreProgress(TfrxProgressEvent event, TfrxProgressType kind, int page) = 0;
};

class TfrxCustomPreviewPages
{
public:
    explicit TfrxCustomPreviewPages(TfrxReport *report) : m_report(report) {}
    virtual ~TfrxCustomPreviewPages() = default;
    TfrxCustomPreviewPages(const TfrxCustomPreviewPages &) = delete;
    TfrxCustomPreviewPages &operator=(const TfrxCustomPreviewPages &) = delete;

    // --- reading
    virtual int PageCount() const = 0;
    // The rebuilt page, owned by the store's page cache; none for an index
    // outside the pages.
    virtual TfrxReportPage *BuildPage(int index) = 0;
    // Paper size in whole pixels; (0, 0) outside the pages.
    virtual QSize PagePixelSize(int index) = 0;

    // --- a run
    virtual void Reset() = 0;
    virtual void BeginRun() = 0;
    virtual void RecordBand(TfrxComponent *band) = 0;
    virtual void StartOutputPage(TfrxReportPage *templatePage) = 0;
    virtual void CopyTemplatePage(TfrxReportPage *templatePage) = 0;
    virtual void CopyTemplateObject(TfrxComponent *obj) = 0;
    virtual void MarkPassStart() = 0;
    virtual void DiscardFirstPass() = 0;
    // Moves the current page's objects from position `from` on into the cut
    // buffer; returns the objects left on the page.
    virtual int CutTail(int from) = 0;
    virtual void EndRun() = 0;
    // Appends the cut objects to the current page, their first one at (x, y).
    virtual void PasteTail(double x, double y) = 0;
    virtual bool HasBandOutput(TfrxComponent *templateBand) = 0;
    virtual int PageObjectCount() const = 0;
    virtual double LowestBandBottom() = 0;

    // --- editing
    virtual void InsertEmptyPage(int index) = 0;
    virtual void RemovePage(int index) = 0;
    virtual void ReplacePage(int index, TfrxReportPage *page) = 0;

    // --- prepared report files; malformed input throws LoderaError
    virtual void ReadPrepared(QIODevice *stream, TfrxXMLLoad mode = TfrxXMLLoad::Complete) = 0;
    virtual void WritePrepared(QIODevice *stream) = 0;
    virtual bool OpenPreparedFile(const QString &fileName, TfrxMissingFile missing = TfrxMissingFile::Ignore) = 0;
    virtual void SavePreparedFile(const QString &fileName) = 0;

    // --- anchors and outline
    virtual void StoreAnchor(const QString &text) = 0;
    virtual int AnchorPageOf(const QString &text) const = 0;
    virtual TfrxCustomOutline *Outline() const = 0;

    // --- fields the engine and the preview keep
    TfrxPageStepMode PageStepMode = TfrxPageStepMode::StepOnto;
    int WritePageIndex = -1;
    int ShownPage = 0;
    int PartStartPage = 0;

    TfrxReport *Report() const { return m_report; }
    TfrxPreviewPagesHost *Host() const { return m_host; }
    void SetHost(TfrxPreviewPagesHost *host) { m_host = host; }

private:
    TfrxReport *m_report;
    TfrxPreviewPagesHost *m_host = nullptr;
};
