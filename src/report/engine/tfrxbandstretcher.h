#pragma once
// Stretching a band to its content.
//
// A stretcheable object (StretchMode other than smDontStretch) grows to the
// height its loaded content needs when that is more than its own height; it
// never shrinks. Objects below a grown object move down with it along the
// shift tree: every object hangs under the nearest object whose bottom is at
// or above its top and which overlaps it horizontally (nearest: the lowest
// such bottom, then the lowest top, then the earlier child). An object moves
// by what its parent grew plus what its parent moved; with smWhenOverlapped
// only as far as the parent's new bottom reaches into it, with smDontShift
// not at all.
//
// Then a Stretched band takes the height of its content (the lowest object
// bottom, 0 for an empty band, so it may shrink), and smMaxHeight objects
// reach down to that bottom.
//
// The caller brackets all of this with BeforeOutput/AfterOutput, which put
// every size and position back.
#include <QHash>

#include <functional>

class TfrxBand;
class TfrxComponent;
class TfrxStretcheable;

class TfrxBandStretcher
{
public:
    using HeightOf = std::function<double(TfrxStretcheable *object)>;

    // Each object's parent in the shift tree (objects without one are absent).
    static QHash<TfrxComponent *, TfrxComponent *> ShiftTree(TfrxBand *band);
    // Grows the visible stretcheable objects and shifts the objects below
    // them. Without a height function nothing grows.
    static void Grow(TfrxBand *band, const HeightOf &heightOf);
    // The lowest bottom of the band's objects.
    static double ContentBottom(TfrxBand *band);
    // smMaxHeight objects reach down to `bottom`.
    static void FitMaxHeight(TfrxBand *band, double bottom);
};
