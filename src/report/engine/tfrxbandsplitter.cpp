#include "report/engine/tfrxbandsplitter.h"

#include "report/model/tfrxband.h"

#include <algorithm>

TfrxBandSplitter::TfrxBandSplitter(TfrxBand *band) : m_band(band), m_height(band->Height())
{
    for (TfrxComponent *c : band->Objects()) {
        if (c->Visible())
            m_content = std::max(m_content, c->Top() + c->Height());
        m_saved.append({c, c->Top(), c->Visible()});
        if (c->Visible())
            m_waiting.append(int(m_saved.size()) - 1);
    }
}

TfrxBandSplitter::~TfrxBandSplitter()
{
    for (const Saved &s : std::as_const(m_saved)) {
        s.object->SetTop(s.top);
        s.object->SetVisible(s.visible);
    }
    m_band->SetHeight(m_height);
}

bool TfrxBandSplitter::NextPart(double space, TfrxPartPlacement placement)
{
    if (space <= 0 && placement == TfrxPartPlacement::MustTake)
        space = std::max(m_height, m_content) - m_cut; // no room at all: the rest goes clipped
    QList<int> part, rest;
    for (int i : std::as_const(m_waiting)) {
        const Saved &s = m_saved[i];
        (s.top - m_cut + s.object->Height() <= space ? part : rest).append(i);
    }
    if (part.isEmpty() && !rest.isEmpty()) {
        if (placement == TfrxPartPlacement::MayWait)
            return false;
        // Nothing fits even a fresh page: the highest waiting object goes.
        auto highest = std::min_element(rest.begin(), rest.end(),
                                        [this](int a, int b) { return m_saved[a].top < m_saved[b].top; });
        part.append(*highest);
        rest.erase(highest);
    }
    for (const Saved &s : std::as_const(m_saved))
        s.object->SetVisible(false);
    for (int i : std::as_const(part)) {
        m_saved[i].object->SetVisible(true);
        m_saved[i].object->SetTop(m_saved[i].top - m_cut);
    }
    if (rest.isEmpty()) {
        // The last part; blank band space that does not fit is dropped like
        // any space at a page break.
        m_band->SetHeight(std::max(0.0, std::min(space, std::max(m_height, m_content) - m_cut)));
        m_finished = true;
    } else {
        m_band->SetHeight(space);
        double next = m_saved[rest.first()].top;
        for (int i : std::as_const(rest))
            next = std::min(next, m_saved[i].top);
        m_cut = std::max(m_cut, next);
    }
    m_waiting = rest;
    return true;
}
