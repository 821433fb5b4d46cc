#pragma once
// The small pictures of the print dialog, drawn rather than shipped: a
// printer for the printer list and the stacks of collated and uncollated
// sheets beside the collate check box.
#include <QPixmap>

class TfrxPrintPictures
{
public:
    static QPixmap printer();
    static QPixmap sheets(bool collated);
};
