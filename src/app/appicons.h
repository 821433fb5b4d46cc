#pragma once
// The program's small pictures, drawn in code so they stay crisp at 16 x 16 and
// need no image files: the seven pictures of the toolbar's image list, the
// glyphs of the small buttons and the about window's tall picture.
#include <QIcon>
#include <QPixmap>

enum class Glyph { Date, NextNumber, List, PatientForm, DentalForm };

class AppIcons
{
public:
    // Pictures of the toolbar's image list: 0 data entry, 1 settings, 2 about,
    // 3 close, 4 referral, 5 statistics, 6 the program's own sign.
    static QIcon picture(int index);
    static QIcon glyph(Glyph glyph);
    static QIcon programIcon() { return picture(6); }
    // 100 x 200 picture on the left of the about window.
    static QPixmap aboutPicture();
};
