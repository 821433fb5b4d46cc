#pragma once
// Output of a band that is taller than the space left on the page and allows
// splitting, in parts.
//
// The band's content is cut at horizontal lines. A part holds every object
// not yet output whose bottom lies within the part's space (measured from the
// cut line); an object that reaches below it waits whole for a later part,
// and the next part's cut line is the highest top among the waiting objects.
// The last part is as tall as what is left of the band, at most its space;
// every other part fills its space. On a page that holds nothing else, an object taller than
// the whole space goes anyway (clipped at the page edge), so a split always
// comes to an end.
//
// While a part is output the band has the part's height and the objects of
// other parts are hidden; the splitter puts heights, positions and
// visibility back when it is destroyed.
#include <QList>

class TfrxBand;
class TfrxComponent;

enum class TfrxPartPlacement { MayWait, MustTake };

class TfrxBandSplitter
{
public:
    explicit TfrxBandSplitter(TfrxBand *band);
    ~TfrxBandSplitter();
    TfrxBandSplitter(const TfrxBandSplitter &) = delete;
    TfrxBandSplitter &operator=(const TfrxBandSplitter &) = delete;

    bool Done() const { return m_finished; }
    // Prepares the next part for `space` pixels. False when nothing fits and
    // the part may wait for a fresh page.
    bool NextPart(double space, TfrxPartPlacement placement);

private:
    struct Saved {
        TfrxComponent *object;
        double top;
        bool visible;
    };
    TfrxBand *m_band;
    double m_height;
    double m_content = 0; // lowest bottom of a visible object
    double m_cut = 0;
    bool m_finished = false;
    QList<Saved> m_saved;
    QList<int> m_waiting; // indexes into m_saved
};
