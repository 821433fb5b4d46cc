#include "report/engine/tfrxbandsplitter.h"

#include "report/model/tfrxband.h"
#include "report/model/tfrxcustommemoview.h"

#include <algorithm>

TfrxBandSplitter::TfrxBandSplitter(TfrxBand *band, SplitText splitText)
    : m_band(band), m_splitText(std::move(splitText)), m_height(band->Height())
{
    for (TfrxComponent *c : band->Objects()) {
        auto *memo = qobject_cast<TfrxCustomMemoView *>(c);
        m_saved.append({c, c->Top(), c->Height(), c->Visible(), memo ? memo->Memo() : QStringList()});
        if (!c->Visible())
            continue;
        m_content = std::max(m_content, c->Top() + c->Height());
        m_waiting.append({int(m_saved.size()) - 1, c->Top(), c->Height(), m_saved.last().text});
    }
}

TfrxBandSplitter::~TfrxBandSplitter()
{
    for (const Saved &s : std::as_const(m_saved)) {
        s.object->SetTop(s.top);
        s.object->SetHeight(s.height);
        s.object->SetVisible(s.visible);
        if (auto *memo = qobject_cast<TfrxCustomMemoView *>(s.object))
            memo->SetMemo(s.text);
    }
    m_band->SetHeight(m_height);
}

TfrxCustomMemoView *TfrxBandSplitter::SplittableMemo(const Piece &piece) const
{
    // Tags and turned text cannot be cut into lines that read on.
    auto *memo = qobject_cast<TfrxCustomMemoView *>(m_saved[piece.saved].object);
    if (!m_splitText || !memo || memo->AllowHTMLTags() || memo->Rotation() != 0)
        return nullptr;
    return memo;
}

bool TfrxBandSplitter::SplitPiece(const Piece &piece, double space, QList<Piece> &part, QList<Piece> &rest,
                                  QList<Growth> &growths)
{
    TfrxCustomMemoView *memo = SplittableMemo(piece);
    const double relTop = piece.top - m_cut;
    if (!memo || relTop >= space)
        return false;
    const double available = space - relTop;
    memo->SetMemo(piece.text);
    const TfrxTextSplit split = m_splitText(memo, available);
    if (split.fits.isEmpty())
        return false;
    part.append({piece.saved, piece.top, available, split.fits});
    if (split.rest.isEmpty())
        return true;
    const double top = m_cut + space;
    const double oldBottom = piece.top + piece.height;
    const double box = oldBottom - top;
    double height = box;
    if (memo->StretchMode() != TfrxStretchMode::smDontStretch)
        height = std::max(box, split.restHeight);
    rest.append({piece.saved, top, height, split.rest});
    m_content = std::max(m_content, top + height);
    if (height > box)
        growths.append({piece.saved, oldBottom, height - box});
    return true;
}

void TfrxBandSplitter::MoveDown(const QList<Growth> &growths, QList<Piece> &pieces)
{
    // A piece below a grown memo's old bottom that overlaps it horizontally
    // moves by that memo's growth; below memos side by side, by the largest.
    for (Piece &p : pieces) {
        const TfrxComponent *o = m_saved[p.saved].object;
        double by = 0;
        for (const Growth &g : growths) {
            const TfrxComponent *memo = m_saved[g.saved].object;
            if (p.saved != g.saved && p.top >= g.oldBottom && o->Left() < memo->Left() + memo->Width()
                && memo->Left() < o->Left() + o->Width())
                by = std::max(by, g.by);
        }
        p.top += by;
        m_content = std::max(m_content, p.top + p.height);
    }
}

void TfrxBandSplitter::Show(const Piece &piece) const
{
    TfrxComponent *object = m_saved[piece.saved].object;
    object->SetVisible(true);
    object->SetTop(piece.top - m_cut);
    object->SetHeight(piece.height);
    if (auto *memo = qobject_cast<TfrxCustomMemoView *>(object))
        memo->SetMemo(piece.text);
}

bool TfrxBandSplitter::NextPart(double space, TfrxPartPlacement placement)
{
    if (space <= 0 && placement == TfrxPartPlacement::MustTake)
        space = std::max(m_height, m_content) - m_cut; // no room at all: the rest goes clipped
    QList<Piece> part, rest;
    QList<Growth> growths;
    for (const Piece &piece : std::as_const(m_waiting)) {
        if (piece.top - m_cut + piece.height <= space)
            part.append(piece);
        else if (!SplitPiece(piece, space, part, rest, growths))
            rest.append(piece);
    }
    MoveDown(growths, rest);
    if (part.isEmpty() && !rest.isEmpty()) {
        if (placement == TfrxPartPlacement::MayWait)
            return false;
        // Nothing fits even a fresh page: the highest waiting piece goes.
        auto highest = std::min_element(rest.begin(), rest.end(),
                                        [](const Piece &a, const Piece &b) { return a.top < b.top; });
        part.append(*highest);
        rest.erase(highest);
    }
    for (const Saved &s : std::as_const(m_saved))
        s.object->SetVisible(false);
    for (const Piece &piece : std::as_const(part))
        Show(piece);
    if (rest.isEmpty()) {
        // The last part; blank band space that does not fit is dropped like
        // any space at a page break.
        m_band->SetHeight(std::max(0.0, std::min(space, std::max(m_height, m_content) - m_cut)));
        m_finished = true;
    } else {
        m_band->SetHeight(space);
        double next = rest.first().top;
        for (const Piece &piece : std::as_const(rest))
            next = std::min(next, piece.top);
        m_cut = std::max(m_cut, next);
    }
    m_waiting = rest;
    return true;
}
