#pragma once
// The band engine: walks the report pages, places bands at the current
// vertical position of the current output page, starts a new page (or page
// column) when a band does not fit (a band exactly as tall as the free space
// still fits), and hands every placed band to the prepared pages store.
//
// Around that core: the title once per page run, the page header, column
// header and reprinted headers on every new output page, the overlay under
// everything, page objects, master and nested data bands with headers,
// footers and groups, child bands, page and band columns, keep options
// (output since a remembered store position moves to the next page as a
// whole), split bands, stretching objects, aggregates, the summary, the page
// footer at the page bottom, and a second pass that knows the page count.
//
// The engine is headless and knows no script: what it needs from the
// expression and script layer, and from whoever shows progress, comes
// through TfrxEngineHooks. Without a hook the corresponding feature is
// inert (no condition changes, no stretching, no script events).
//
// The store is reached through its header-only interface, so the engine does
// not link the output layer.
#include "report/engine/tfrxbandsplitter.h"
#include "report/engine/tfrxengineaggregates.h"
#include "report/engine/tfrxenginebands.h"
#include "report/output/tfrxcustomoutline.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <QVariant>

#include <functional>

class TfrxBand;
class TfrxComponent;
class TfrxCustomPreviewPages;
class TfrxReport;
class TfrxReportPage;
class TfrxStretcheable;

struct TfrxEngineHooks {
    // Value of an expression of the report: group conditions, aggregates.
    std::function<QVariant(const QString &expression)> calc;
    // Height the loaded content of a stretcheable object needs.
    std::function<double(TfrxStretcheable *object)> calcHeight;
    // A memo's loaded text split where a memo `height` pixels high ends
    // (split bands); without it memos are not split but wait whole.
    TfrxBandSplitter::SplitText splitText;
    // Calls a script procedure by name with `sender` as its parameter; a name
    // the script does not define is ignored.
    std::function<void(const QString &procedure, QObject *sender)> callScript;
    // Pending window messages (a cancel request of the progress window).
    std::function<void()> processMessages;
};

class TfrxEngine
{
    friend class TfrxDataBandWalker;

public:
    TfrxEngine(TfrxReport *report, TfrxCustomPreviewPages *store);

    TfrxEngineHooks &Hooks() { return m_hooks; }

    // One complete run; false when the template's bands are misplaced (the
    // error lines are in the report's error list). Errors raised while a band
    // is output propagate after the datasets are released and the store is
    // finished; the pages output so far stay.
    bool Run();

    void ShowBand(TfrxBand *band);
    // The first band of that class on the current page (none: nothing).
    void ShowBand(const QMetaObject &bandClass);
    void NewPage();
    void NewColumn();
    void FinishPage();
    double FreeSpace() const;
    double ReservedFooterHeight() const;
    // Every loop of the run stops at its next check; the output so far stays.
    void StopReport() { m_terminated = true; }
    bool Terminated() const { return m_terminated; }
    // The aggregate collected for the band being output (Null when no such
    // call was found in the band's memos before the run).
    QVariant AggregateValue(TfsAggregate kind, const QString &expression, const QString &bandName = {},
                            int flags = 0) const;

    double CurX = 0, CurY = 0;
    int CurColumn = 1;
    int CurVColumn = 0;
    double PageHeight = 0, PageWidth = 0;
    bool FinalPass = true;
    bool DoublePass() const;
    QDate StartDate;
    QTime StartTime;
    int TotalPages = 0;
    // "Line" and "Line#" as a memo of the band being shown reads them.
    int CurLine = 0, CurLineThrough = 0;
    bool Running = false;
    // Name of the object being processed, for error lines.
    const QString &CurObject() const { return m_curObject; }
    // The band whose output is being prepared.
    TfrxBand *CurBand() const { return m_curBand; }

private:
    struct HeaderEntry {
        TfrxBand *band;
        double x;
        bool kept;
    };
    struct Keep {
        bool active = false;
        TfrxBand *band = nullptr;
        int position = 0;
        int page = -1;
        double x = 0, y = 0;
        TfrxCustomOutline::Mark outline;
    };
    struct Counters {
        int line = 1, lineThrough = 1;
    };
    // Where output stood in the store: objects on the page, page, x, y.
    struct StorePosition {
        int objects = 0;
        int page = 0;
        double x = 0, y = 0;
        TfrxCustomOutline::Mark outline;
    };
    enum class HeaderPlace { NewPage, NewColumn };
    enum class FooterRepeat { OncePerPage, EveryColumn };

    bool Initialize(QList<TfrxReportPage *> &pages);
    void RunReportPages(const QList<TfrxReportPage *> &pages);
    void RunPage(TfrxReportPage *page);
    void OutputPage(TfrxReportPage *page);
    void StartPageRun(TfrxReportPage *page);
    void OpenOutputPage();
    void ShowHeaderList(HeaderPlace place);
    void ShowPageObjects(TfrxReportPage *page);
    void ShowFooterBand(TfrxBand *band, FooterRepeat repeat);
    void ShowBandItself(TfrxBand *band);
    void SplitBand(TfrxBand *band);
    void PlaceBand(TfrxBand *band);
    void BeginOutput(TfrxBand *band);
    void StretchBand(TfrxBand *band);
    void ReloadBand(TfrxBand *band);
    struct BandRelease {
        TfrxEngine *engine;
        TfrxBand *band;
        ~BandRelease();
    };
    void ReleaseBand(TfrxBand *band);
    void CallScript(const QString &procedure, QObject *sender);
    bool IsColumnBand(TfrxBand *band) const;
    void AddHeader(TfrxBand *band);
    void RemoveHeader(TfrxBand *band);
    void StartKeep(TfrxBand *band);
    void StartKeepAt(TfrxBand *band, const StorePosition &at);
    StorePosition CurrentPosition() const;
    void EndKeep(TfrxBand *band);
    // An outline item for a band's or page's outline text (an expression) at
    // `top` of the page being written, made the current item; false when
    // the text is empty or the store keeps no outline.
    bool AddOutlineItem(const QString &outlineText, double top);
    // Back to the parent item after what was nested under a band's item.
    void EndOutlineItem(const TfrxBand *band);

    TfrxReport *m_report;
    TfrxCustomPreviewPages *m_store;
    TfrxEngineHooks m_hooks;
    TfrxEngineBands m_bands;
    TfrxEngineAggregates m_aggregates;
    TfrxReportPage *m_page = nullptr;
    TfrxBand *m_title = nullptr, *m_pageHeader = nullptr;
    TfrxBand *m_columnHeader = nullptr, *m_columnFooter = nullptr, *m_pageFooter = nullptr;
    QList<HeaderEntry> m_headers;
    QHash<TfrxBand *, Counters> m_counters;
    Keep m_keep;
    double m_columnStartY = 0;
    // CurY where the body of the page or column starts: under the repeated
    // headers, but above the title, which is content of its own.
    double m_bodyTop = 0;
    double m_titleTop = -1;   // where the title printed on this page, or -1
    double m_bandColumnX = 0; // offset of the band column being filled
    double m_placedTop = 0;   // where the band shown last was placed
    int m_outputPage = 0;    // output pages opened in this run
    bool m_firstOfPass = false, m_firstPage = false, m_lastPage = false, m_printingHeaders = false;
    bool m_headersForColumn = false; // header-list bands repeat in a new page column
    bool m_terminated = false;
    TfrxBand *m_curBand = nullptr;
    QString m_curObject;
};
