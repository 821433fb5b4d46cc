#include "report/ui/tfrxprintpictures.h"

#include <QPainter>

QPixmap TfrxPrintPictures::printer()
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 8, 5);      // paper going in
    p.setBrush(QColor(192, 192, 192));
    p.drawRect(1, 6, 14, 6);     // body
    p.setBrush(Qt::white);
    p.drawRect(3, 11, 10, 4);    // paper coming out
    p.fillRect(12, 8, 2, 1, Qt::green);
    return pm;
}

QPixmap TfrxPrintPictures::sheets(bool collated)
{
    QPixmap pm(100, 44);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    QFont f = p.font();
    f.setPixelSize(9);
    p.setFont(f);
    // Two stacks of three sheets: collated 1 2 3 / 1 2 3, uncollated 1 1 / 2 2 / 3 3.
    const int numbers[2][3] = {{1, 2, 3}, {1, 2, 3}};
    for (int stack = 0; stack < (collated ? 2 : 3); ++stack) {
        for (int sheet = 0; sheet < (collated ? 3 : 2); ++sheet) {
            const int x = stack * (collated ? 48 : 32) + sheet * 6;
            const int y = sheet * 5;
            const QRect r(x, y, 18, 26);
            p.setPen(Qt::black);
            p.setBrush(Qt::white);
            p.drawRect(r);
            const int n = collated ? numbers[stack][sheet] : stack + 1;
            p.drawText(r, Qt::AlignCenter, QString::number(n));
        }
    }
    return pm;
}
