#pragma once
// The walk of the data bands of a page (or of the bands nested under one
// row): record by record, each printable row with its header before the
// first row, its group headers and footers when a group condition changes,
// the rows of its nested bands under it and its footer after the last row.
// Line counters, band columns and the keep options of data bands and
// groups are handled here; the placing itself is the engine's ShowBand.
//
// The walker keeps no state between calls; it works on the engine it was
// made for.
#include <QList>

class TfrxBand;
class TfrxDataBand;
class TfrxEngine;
class TfrxEngineGroups;

class TfrxDataBandWalker
{
public:
    enum class Candidates { OfPage, OfBand };

    explicit TfrxDataBandWalker(TfrxEngine &engine) : m_engine(engine) {}

    void Run(const QList<TfrxBand *> &bands);
    // Whether any candidate band has a row that prints: true at once when
    // `flag` is set; with no candidates true for a band, false for a page.
    bool HasPrintableRows(const QList<TfrxBand *> &candidates, bool flag, Candidates kind);

private:
    void RunBand(TfrxBand *band);
    void OpenGroups(TfrxEngineGroups &groups, int from);
    void CloseGroups(TfrxEngineGroups &groups, int downTo);
    // The band column being filled: its number, the top where every column
    // starts, and the lowest bottom reached in any column.
    struct BandColumns {
        int column;
        double top, bottom;
    };
    // Moves to the next band column, or to a new page when the last one is full.
    void FindColumnRoom(TfrxDataBand *band, BandColumns &place);

    TfrxEngine &m_engine;
};
