#pragma once
// Small conversions shared by the view drawing code: report colours and font
// styles into canvas tools, and the even spread of correction units that text
// layout uses to make drawn lines exactly as wide and as far apart as the
// device-independent layout says.
#include "report/model/frxtypes.h"
#include "report/output/canvastypes.h"

#include <QColor>

class TfrxFont;

// 0x00BBGGRR into a colour; system colours get their usual light-theme values.
QColor FrxColor(TColor color);

FontStyles FrxFontStyles(TFontStyles styles);

// The report font at a device height (negative: character height in pixels).
CanvasFont FrxCanvasFont(const TfrxFont &font, int height, int rotation = 0);

// Adds `count` units of `unit` (+1 or -1) to cells[first..last], splitting the
// range in halves and the count between them, so the units land evenly and
// fill the middle first. A single-cell range takes every unit. Nothing happens
// for a count of 0 or less or an empty range.
void SpreadUnits(int *cells, int first, int last, int unit, int count);

// Spreads `difference` over cells[0..n-1]: every cell gets the quotient
// (toward zero) and SpreadUnits places the remainder.
void SpreadDifference(int *cells, int n, int difference);
