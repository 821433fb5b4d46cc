#pragma once
// A prepared pages store for engine tests that keeps, per output page, the
// bands in the order they were recorded with their position, size and the
// visible objects they held. It moves a page's tail on and puts it back as
// the real store does: the first moved band at the given point, the others
// keeping their distance to it. Only one page footer and one column footer
// count as "already on the page", whichever template band they came from.
#include "report/model/tfrxband.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxcustomoutline.h"
#include "report/output/tfrxcustompreviewpages.h"

#include <QStringList>

#include <functional>
#include <ostream>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList &l, std::ostream *os) { *os << '{' << l.join(", ").toStdString() << '}'; }

struct RecordedObject {
    QString name;
    double top, height;
    QStringList text; // a memo's lines
};

struct RecordedBand {
    const TfrxComponent *source;
    QString name;
    double left, top, height;
    QList<RecordedObject> objects;
    QString extra;
};

// What the engine does with the outline: "text@page:top" for an item (pages
// from 1), "up", "root", and "shift N by D" when the items from the Nth item
// added on move to the next page.
class RecordingOutline : public TfrxCustomOutline
{
public:
    explicit RecordingOutline(const int &writePage) : m_writePage(writePage) {}
    QStringList log;
    void AddItem(const QString &text, int top) override
    {
        log << QStringLiteral("%1@%2:%3").arg(text).arg(m_writePage + 1).arg(top);
        ++m_added;
    }
    void LevelRoot() override { log << QStringLiteral("root"); }
    Mark Position() const override { return {this, m_added}; }
    void ShiftFrom(const Mark &mark, int delta) override
    {
        log << QStringLiteral("shift %1 by %2").arg(mark.index).arg(delta);
    }
    void LevelUp() override { log << QStringLiteral("up"); }
    void LevelDown(int) override {}
    int Count() const override { return 0; }
    TfrxOutlineEntry GetItem(int) const override { return {}; }
    void ShiftItems(int, int) override {}

private:
    const int &m_writePage;
    int m_added = 0;
};

class EngineTestPages : public TfrxCustomPreviewPages
{
public:
    using TfrxCustomPreviewPages::TfrxCustomPreviewPages;

    QList<QList<RecordedBand>> pages;
    std::function<QString()> extra; // appended to the next records

    // "page:name@top", with "left," before the top when left is not 0, and the extra text.
    QStringList Records() const
    {
        QStringList out;
        for (int p = 0; p < pages.size(); ++p)
            for (const RecordedBand &b : pages[p])
                out << QStringLiteral("%1:%2@%3").arg(p + 1).arg(b.name)
                               .arg(b.left != 0 ? QStringLiteral("%1,%2").arg(b.left).arg(b.top) : QString::number(b.top))
                           + b.extra;
        return out;
    }
    const RecordedBand *Find(int page, const QString &name, int nth = 0) const
    {
        if (page < 1 || page > pages.size())
            return nullptr;
        for (const RecordedBand &b : pages.at(page - 1))
            if (b.name == name && nth-- == 0)
                return &b;
        return nullptr;
    }

    int PageCount() const override { return int(pages.size()); }
    TfrxReportPage *BuildPage(int) override { return nullptr; }
    QSize PagePixelSize(int) override { return {}; }
    void Reset() override { pages.clear(); }
    void BeginRun() override
    {
        pages.clear();
        WritePageIndex = -1;
    }
    void RecordBand(TfrxComponent *band) override
    {
        RecordedBand r{band, band->Name(), band->Left(), band->Top(), band->Height(), {}, extra ? extra() : QString()};
        for (TfrxComponent *c : band->Objects())
            if (c->Visible()) {
                auto *memo = qobject_cast<TfrxCustomMemoView *>(c);
                r.objects << RecordedObject{c->Name(), c->Top(), c->Height(), memo ? memo->Memo() : QStringList()};
            }
        if (r.name.isEmpty() && !r.objects.isEmpty())
            r.name = "[" + r.objects.first().name + "]";
        pages[WritePageIndex] << r;
    }
    void StartOutputPage(TfrxReportPage *) override
    {
        pages.append(QList<RecordedBand>());
        WritePageIndex = int(pages.size()) - 1;
    }
    void CopyTemplatePage(TfrxReportPage *) override {}
    void CopyTemplateObject(TfrxComponent *) override {}
    void MarkPassStart() override { m_passStart = int(pages.size()); }
    void DiscardFirstPass() override
    {
        pages.erase(pages.begin() + m_passStart, pages.end());
        WritePageIndex = int(pages.size()) - 1;
    }
    int CutTail(int from) override
    {
        QList<RecordedBand> &page = pages[WritePageIndex];
        m_cut = page.mid(from);
        page.resize(from);
        return int(page.size());
    }
    void PasteTail(double x, double y) override
    {
        if (m_cut.isEmpty())
            return;
        const double dx = x - m_cut.first().left, dy = y - m_cut.first().top;
        for (RecordedBand b : std::as_const(m_cut)) {
            b.left += dx;
            b.top += dy;
            pages[WritePageIndex] << b;
        }
        m_cut.clear();
    }
    bool HasBandOutput(TfrxComponent *band) override
    {
        const auto *b = qobject_cast<const TfrxBand *>(band);
        const int number = b ? b->BandNumber() : -1;
        for (const RecordedBand &r : pages.value(WritePageIndex)) {
            const auto *rb = qobject_cast<const TfrxBand *>(r.source);
            if (r.source == band || ((number == 3 || number == 16) && rb && rb->BandNumber() == number))
                return true;
        }
        return false;
    }
    int PageObjectCount() const override { return int(pages.value(WritePageIndex).size()); }
    double LowestBandBottom() override
    {
        double lowest = 0;
        for (const RecordedBand &r : pages.value(WritePageIndex)) {
            const auto *rb = qobject_cast<const TfrxBand *>(r.source);
            if (!rb || rb->BandNumber() != 3)
                lowest = std::max(lowest, r.top + r.height);
        }
        return lowest;
    }
    void EndRun() override {}
    void InsertEmptyPage(int) override {}
    void RemovePage(int) override {}
    void ReplacePage(int, TfrxReportPage *) override {}
    void ReadPrepared(QIODevice *, TfrxXMLLoad) override {}
    void WritePrepared(QIODevice *) override {}
    bool OpenPreparedFile(const QString &, TfrxMissingFile) override { return false; }
    void SavePreparedFile(const QString &) override {}
    void StoreAnchor(const QString &) override {}
    int AnchorPageOf(const QString &) const override { return 0; }
    TfrxCustomOutline *Outline() const override { return &outline; }

    mutable RecordingOutline outline{WritePageIndex};

private:
    QList<RecordedBand> m_cut;
    int m_passStart = 0;
};
