#pragma once
// Drawing and measuring a memo: its background and frame, the rule lines of
// Underlines, and its text through TfrxDrawText. CalcMemoHeight and
// CalcMemoWidth are what the band engine asks when a memo stretches, and
// SplitMemoText when a memo is split over pages; they lay the text out
// exactly as drawing does.
#include "report/output/frxviewrect.h"

#include <QStringList>

class Canvas;
class TfrxCustomMemoView;
class TfrxDrawText;

struct TfrxMemoDrawing
{
    double scaleX = 1, scaleY = 1, offsetX = 0, offsetY = 0;
    // The page count the page drawing code hands to the memo for
    // "[TOTALPAGES#]"; negative leaves the text as it is.
    int totalPages = -1;
};

// `layouter` defaults to the shared TfrxDrawText.
void DrawMemo(Canvas &canvas, TfrxCustomMemoView &memo, const TfrxMemoDrawing &drawing,
              TfrxDrawText *layouter = nullptr);

// Report pixels, R applied: the height (width) the memo needs for its text.
double CalcMemoHeight(TfrxCustomMemoView &memo);
double CalcMemoWidth(TfrxCustomMemoView &memo);

// The memo's text split for a page break: the lines that fit in a memo
// `height` report pixels high (its gaps and frame included), the rest, and
// the height the rest needs.
struct TfrxMemoSplit
{
    QStringList fits, rest;
    double restHeight = 0;
};
TfrxMemoSplit SplitMemoText(TfrxCustomMemoView &memo, double height);
