#include "report/ui/tfrxpreviewicons.h"

#include "report/ui/tfrxprintpictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kBlue(0, 64, 160);
const QColor kGrey(128, 128, 128);

void sheet(QPainter &p, const QRect &r)
{
    p.setPen(kInk);
    p.setBrush(kPaper);
    p.drawRect(r);
}

void lines(QPainter &p, const QRect &r)
{
    p.setPen(kGrey);
    for (int y = r.top() + 3; y < r.bottom() - 1; y += 2)
        p.drawLine(r.left() + 2, y, r.right() - 2, y);
}

void magnifier(QPainter &p, int x, int y, const QString &sign = QString())
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(QColor(200, 230, 255));
    p.drawEllipse(QRectF(x, y, 9, 9));
    p.setPen(QPen(kInk, 2.5));
    p.drawLine(QPointF(x + 8, y + 8), QPointF(x + 13, y + 13));
    p.setRenderHint(QPainter::Antialiasing, false);
    if (sign == QLatin1String("+")) {
        p.setPen(kInk);
        p.drawLine(x + 2, y + 4, x + 6, y + 4);
        p.drawLine(x + 4, y + 2, x + 4, y + 6);
    }
}

void arrow(QPainter &p, bool left, bool toEnd)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    QPolygon tri;
    if (left)
        tri << QPoint(11, 3) << QPoint(11, 13) << QPoint(5, 8);
    else
        tri << QPoint(5, 3) << QPoint(5, 13) << QPoint(11, 8);
    p.drawPolygon(tri);
    if (toEnd)
        p.fillRect(left ? QRect(3, 3, 2, 11) : QRect(12, 3, 2, 11), kBlue);
}

QPixmap draw(const QString &name)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    if (name == QLatin1String("PrintB")) {
        p.drawPixmap(0, 0, TfrxPrintPictures::printer());
    } else if (name == QLatin1String("OpenB")) {
        p.setPen(kInk);
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(1, 5, 13, 9);
        p.drawRect(1, 3, 5, 2);
    } else if (name == QLatin1String("SaveB")) {
        p.setPen(kInk);
        p.setBrush(kBlue);
        p.drawRect(1, 1, 13, 13);
        p.fillRect(4, 2, 8, 5, kPaper);
        p.fillRect(5, 10, 6, 4, kGrey);
    } else if (name == QLatin1String("ExportB")) {
        sheet(p, QRect(1, 1, 9, 13));
        arrow(p, false, false);
    } else if (name == QLatin1String("FindB")) {
        sheet(p, QRect(1, 0, 10, 13));
        lines(p, QRect(1, 0, 10, 13));
        magnifier(p, 4, 3);
    } else if (name == QLatin1String("ZoomWholePageB")) {
        sheet(p, QRect(3, 1, 9, 13));
        lines(p, QRect(3, 1, 9, 13));
    } else if (name == QLatin1String("ZoomPageWidthB")) {
        sheet(p, QRect(1, 3, 13, 12));
        lines(p, QRect(1, 3, 13, 12));
        p.setPen(kBlue);
        p.drawLine(1, 1, 14, 1);
    } else if (name == QLatin1String("Zoom100B")) {
        sheet(p, QRect(1, 1, 13, 13));
        QFont f = p.font();
        f.setPixelSize(7);
        f.setBold(true);
        p.setFont(f);
        p.setPen(kBlue);
        p.drawText(QRect(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("100"));
    } else if (name == QLatin1String("Zoom50B")) {
        sheet(p, QRect(0, 2, 7, 11));
        sheet(p, QRect(8, 2, 7, 11));
    } else if (name == QLatin1String("PageSettingsB")) {
        sheet(p, QRect(2, 1, 11, 13));
        p.setPen(QPen(kBlue, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(4, 3, 7, 9);
    } else if (name == QLatin1String("OutlineB")) {
        p.setPen(kInk);
        for (int y = 2; y < 15; y += 4) {
            p.fillRect(2 + (y > 2 ? 3 : 0), y, 2, 2, kBlue);
            p.drawLine(6 + (y > 2 ? 3 : 0), y + 1, 14, y + 1);
        }
    } else if (name == QLatin1String("HandToolB")) {
        p.setPen(kInk);
        p.setBrush(QColor(255, 224, 189));
        p.drawRoundedRect(QRect(3, 6, 10, 8), 2, 2);
        for (int i = 0; i < 4; ++i)
            p.drawRect(3 + i * 2 + i / 2, 2 + (i == 0 || i == 3 ? 2 : 0), 2, 6);
    } else if (name == QLatin1String("ZoomToolB")) {
        magnifier(p, 1, 1, QStringLiteral("+"));
    } else if (name == QLatin1String("NewPageB")) {
        sheet(p, QRect(2, 1, 10, 13));
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(10, 4, 10, 10);
        p.drawLine(7, 7, 13, 7);
    } else if (name == QLatin1String("DelPageB")) {
        sheet(p, QRect(2, 1, 10, 13));
        p.setPen(QPen(QColor(192, 0, 0), 2));
        p.drawLine(5, 4, 11, 10);
        p.drawLine(11, 4, 5, 10);
    } else if (name == QLatin1String("DesignerB")) {
        sheet(p, QRect(1, 1, 10, 13));
        p.setPen(QPen(kBlue, 2));
        p.drawLine(6, 12, 14, 4);
    } else if (name == QLatin1String("FirstB")) {
        arrow(p, true, true);
    } else if (name == QLatin1String("PriorB")) {
        arrow(p, true, false);
    } else if (name == QLatin1String("NextB")) {
        arrow(p, false, false);
    } else if (name == QLatin1String("LastB")) {
        arrow(p, false, true);
    }
    return pm;
}

} // namespace

QIcon TfrxPreviewIcons::icon(const QString &buttonName)
{
    return QIcon(draw(buttonName));
}
