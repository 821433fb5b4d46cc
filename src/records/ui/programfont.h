#pragma once
// The type of every window: "MS Sans Serif" at 8 points. The windows are laid
// out to the pixel for its narrow letters, so where it is missing a font with
// the same widths stands in (Liberation Sans, Arial), and only then the
// system's own sans font.
#include <QFont>

class ProgramFont
{
public:
    static QFont standard();
};
