#pragma once
// Output of a band that is taller than the space left on the page and allows
// splitting, in parts.
//
// The band's content is cut at horizontal lines. A part holds every piece
// not yet output whose bottom lies within the part's space (measured from the
// cut line). A memo that starts inside the space but reaches below it gives
// up the lines that fit: it ends at the part's bottom with those lines, and
// the rest of its text waits as a piece of its own that starts at the next
// cut line, as tall as what was left of the memo's box, or as its text needs
// when the memo stretches (objects below it that overlap it horizontally
// move down by that growth). Any other object that reaches below the space
// waits whole for a later part. The next part's cut line is the highest top
// among the waiting pieces.
//
// The last part is as tall as what is left of the band, at most its space;
// every other part fills its space. On a page that holds nothing else, a
// piece that cannot be split and is taller than the whole space goes anyway
// (clipped at the page edge), so a split always comes to an end.
//
// While a part is output the band has the part's height and the objects of
// other parts are hidden; the splitter puts heights, positions, texts and
// visibility back when it is destroyed.
#include <QList>
#include <QStringList>

#include <functional>

class TfrxBand;
class TfrxComponent;
class TfrxCustomMemoView;

enum class TfrxPartPlacement { MayWait, MustTake };

// A memo's text split where a memo of a given height ends.
struct TfrxTextSplit {
    QStringList fits, rest;
    double restHeight = 0; // what the rest needs, gaps and frame included
};

class TfrxBandSplitter
{
public:
    // Splits the memo's current text for a memo `height` pixels high.
    using SplitText = std::function<TfrxTextSplit(TfrxCustomMemoView *memo, double height)>;

    // Without `splitText` no memo is split: every object waits whole.
    explicit TfrxBandSplitter(TfrxBand *band, SplitText splitText = {});
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
        double top, height;
        bool visible;
        QStringList text; // a memo's loaded text
    };
    // What of an object is still to be output, in band coordinates.
    struct Piece {
        int saved; // index into m_saved
        double top, height;
        QStringList text;
    };
    // A memo whose rest needs more than what was left of its box.
    struct Growth {
        int saved;
        double oldBottom, by;
    };
    TfrxCustomMemoView *SplittableMemo(const Piece &piece) const;
    // Tries to split `piece` at `space`; true when some of its lines fit.
    bool SplitPiece(const Piece &piece, double space, QList<Piece> &part, QList<Piece> &rest,
                    QList<Growth> &growths);
    void MoveDown(const QList<Growth> &growths, QList<Piece> &pieces);
    void Show(const Piece &piece) const;

    TfrxBand *m_band;
    SplitText m_splitText;
    double m_height;
    double m_content = 0; // lowest bottom of a visible piece
    double m_cut = 0;
    bool m_finished = false;
    QList<Saved> m_saved;
    QList<Piece> m_waiting;
};
