#include "report/engine/tfrxbandstretcher.h"

#include "report/model/tfrxband.h"
#include "report/model/tfrxstretcheable.h"

#include <algorithm>

namespace {

bool overlapsHorizontally(const TfrxComponent *a, const TfrxComponent *b)
{
    return a->Left() < b->Left() + b->Width() && b->Left() < a->Left() + a->Width();
}

TfrxShiftMode shiftModeOf(const TfrxComponent *c)
{
    const auto *view = qobject_cast<const TfrxView *>(c);
    return view ? view->ShiftMode() : TfrxShiftMode::smDontShift;
}

} // namespace

QHash<TfrxComponent *, TfrxComponent *> TfrxBandStretcher::ShiftTree(TfrxBand *band)
{
    QHash<TfrxComponent *, TfrxComponent *> parents;
    const QList<TfrxComponent *> &objects = band->Objects();
    for (TfrxComponent *c : objects) {
        TfrxComponent *best = nullptr;
        for (TfrxComponent *o : objects) {
            if (o == c || o->Top() + o->Height() > c->Top() || !overlapsHorizontally(o, c))
                continue;
            const double bottom = o->Top() + o->Height();
            if (!best || bottom > best->Top() + best->Height()
                || (bottom == best->Top() + best->Height() && o->Top() > best->Top()))
                best = o;
        }
        if (best)
            parents.insert(c, best);
    }
    return parents;
}

void TfrxBandStretcher::Grow(TfrxBand *band, const HeightOf &heightOf)
{
    if (!heightOf)
        return;
    const QHash<TfrxComponent *, TfrxComponent *> parents = ShiftTree(band);
    QHash<TfrxComponent *, double> growth;
    for (TfrxComponent *c : band->Objects()) {
        auto *s = qobject_cast<TfrxStretcheable *>(c);
        if (!s || !s->Visible() || s->StretchMode() == TfrxStretchMode::smDontStretch)
            continue;
        const double h = heightOf(s);
        if (h > s->Height()) {
            growth.insert(c, h - s->Height());
            s->SetHeight(h);
        }
    }
    if (growth.isEmpty())
        return;

    // Parents are higher up, so in order of their original tops every parent
    // has moved before its children.
    QList<TfrxComponent *> order = band->Objects();
    QHash<TfrxComponent *, double> originalTop;
    for (TfrxComponent *c : order)
        originalTop.insert(c, c->Top());
    std::stable_sort(order.begin(), order.end(),
                     [&](TfrxComponent *a, TfrxComponent *b) { return originalTop[a] < originalTop[b]; });
    for (TfrxComponent *c : order) {
        TfrxComponent *parent = parents.value(c);
        if (!parent)
            continue;
        const double moved = parent->Top() - originalTop[parent] + growth.value(parent);
        switch (shiftModeOf(c)) {
        case TfrxShiftMode::smAlways:
            c->SetTop(c->Top() + moved);
            break;
        case TfrxShiftMode::smWhenOverlapped: {
            const double reach = parent->Top() + parent->Height() - c->Top();
            if (reach > 0)
                c->SetTop(c->Top() + reach);
            break;
        }
        case TfrxShiftMode::smDontShift:
            break;
        }
    }
}

double TfrxBandStretcher::ContentBottom(TfrxBand *band)
{
    double bottom = 0;
    for (TfrxComponent *c : band->Objects())
        bottom = std::max(bottom, c->Top() + c->Height());
    return bottom;
}

void TfrxBandStretcher::FitMaxHeight(TfrxBand *band, double bottom)
{
    for (TfrxComponent *c : band->Objects())
        if (auto *s = qobject_cast<TfrxStretcheable *>(c); s && s->StretchMode() == TfrxStretchMode::smMaxHeight)
            s->SetHeight(bottom - s->Top());
}
