#pragma once
// Character formats of a memo written with tags: <b>, <i>, <u>, <strike>,
// <sub>, <sup> and <font color="...">, each closed by its "/" form. Parsing a
// line gives the text without the tags and one format record per character;
// text layout measures and draws each run of equal format with its own font.
//
// Unknown tags, and a "<" that opens no tag, stay in the text as written.
// Closing a tag that is not open changes nothing.
#include <QColor>
#include <QList>
#include <QString>

#include "report/output/canvastypes.h"

struct TfrxHTMLTag
{
    enum class Shift { None, Sub, Sup };
    int Position = 0;       // index of the character in the plain text
    FontStyles Style;       // added to the memo font's own style
    QColor Color;           // invalid: the memo font's colour
    Shift BaselineShift = Shift::None;
    bool Small = false;     // sub- and superscripts are drawn at 2/3 of the size

    bool sameFormat(const TfrxHTMLTag &o) const
    {
        return Style == o.Style && Color == o.Color && BaselineShift == o.BaselineShift && Small == o.Small;
    }
};

// The formats of one line, one record per character of its plain text.
using TfrxHTMLTags = QList<TfrxHTMLTag>;
// The formats of every output line of a layout.
using TfrxHTMLTagsList = QList<TfrxHTMLTags>;

// Removes the tags of `line` into `plain` and fills `tags`.
void ParseHTMLTags(const QString &line, QString &plain, TfrxHTMLTags &tags);
