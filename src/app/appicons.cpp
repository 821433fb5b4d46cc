#include "app/appicons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

using Draw = void (*)(QPainter &);

QIcon drawn(Draw draw)
{
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    p.end();
    return QIcon(pm);
}

// A sheet of paper with its corner folded; the base of several pictures.
void sheet(QPainter &p, const QColor &paper = Qt::white)
{
    QPainterPath path;
    path.moveTo(3, 1.5);
    path.lineTo(10, 1.5);
    path.lineTo(13.5, 5);
    path.lineTo(13.5, 14.5);
    path.lineTo(3, 14.5);
    path.closeSubpath();
    p.setPen(QPen(QColor(90, 90, 90), 1));
    p.setBrush(paper);
    p.drawPath(path);
    p.drawLine(QPointF(10, 1.5), QPointF(10, 5));
    p.drawLine(QPointF(10, 5), QPointF(13.5, 5));
}

void redCross(QPainter &p, QRectF r)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 30));
    const qreal w = r.width() / 3;
    p.drawRect(QRectF(r.left() + w, r.top(), w, r.height()));
    p.drawRect(QRectF(r.left(), r.top() + w, r.width(), w));
}

void dataEntry(QPainter &p)
{
    sheet(p);
    p.setPen(QPen(QColor(70, 110, 190), 1));
    for (int y = 6; y <= 12; y += 2)
        p.drawLine(5, y, 11, y);
    p.setPen(QPen(QColor(200, 150, 30), 2.2));
    p.drawLine(QPointF(8, 13), QPointF(14.5, 6.5));
}

void settings(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 110, 120));
    p.translate(8, 8);
    for (int i = 0; i < 8; ++i) {
        p.drawRect(QRectF(-1.5, -7.5, 3, 4));
        p.rotate(45);
    }
    p.drawEllipse(QPointF(0, 0), 5, 5);
    p.setBrush(QColor(235, 235, 235));
    p.drawEllipse(QPointF(0, 0), 2, 2);
}

void about(QPainter &p)
{
    p.setPen(QPen(QColor(20, 60, 150), 1));
    p.setBrush(QColor(60, 120, 220));
    p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.8), 1.2, 1.2);
    p.drawRect(QRectF(7, 7, 2, 5.5));
}

void closeProgram(QPainter &p)
{
    p.setPen(QPen(QColor(120, 80, 40), 1));
    p.setBrush(QColor(180, 130, 70));
    p.drawRect(QRectF(2.5, 1.5, 7, 13));
    p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(14, 8));
    p.drawLine(QPointF(14, 8), QPointF(11.5, 5.5));
    p.drawLine(QPointF(14, 8), QPointF(11.5, 10.5));
}

void referral(QPainter &p)
{
    sheet(p);
    redCross(p, QRectF(5, 6, 6, 6));
}

void statistics(QPainter &p)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(QPointF(1.5, 14.5), QPointF(14.5, 14.5));
    p.drawLine(QPointF(1.5, 1.5), QPointF(1.5, 14.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 150, 60));
    p.drawRect(QRectF(3.5, 9, 2.5, 5));
    p.setBrush(QColor(60, 110, 210));
    p.drawRect(QRectF(7, 4, 2.5, 10));
    p.setBrush(QColor(220, 140, 30));
    p.drawRect(QRectF(10.5, 6.5, 2.5, 7.5));
}

void programSign(QPainter &p)
{
    p.setPen(QPen(QColor(20, 70, 150), 1));
    p.setBrush(QColor(230, 240, 255));
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    redCross(p, QRectF(3, 3, 10, 10));
}

void date(QPainter &p)
{
    p.setPen(QPen(QColor(80, 80, 80), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    p.drawRect(QRectF(2, 3, 12, 3));
    p.setBrush(QColor(90, 90, 90));
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 4; ++c)
            p.drawRect(QRectF(3 + c * 3, 7.5 + r * 2.3, 1.6, 1.4));
}

void nextNumber(QPainter &p)
{
    p.setPen(QPen(QColor(20, 120, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 3), QPointF(8, 13));
    p.drawLine(QPointF(3, 8), QPointF(13, 8));
}

void list(QPainter &p)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(QColor(40, 90, 180));
        p.drawRect(QRectF(2, 2.5 + i * 3.3, 2, 2));
        p.setBrush(QColor(70, 70, 70));
        p.drawRect(QRectF(5.5, 3 + i * 3.3, 8.5, 1.2));
    }
}

void tooth(QPainter &p)
{
    QPainterPath path;
    path.moveTo(3, 4);
    path.cubicTo(3, 0.5, 6.5, 1.5, 8, 2.5);
    path.cubicTo(9.5, 1.5, 13, 0.5, 13, 4);
    path.cubicTo(13, 7, 11.5, 8, 11, 10);
    path.lineTo(10, 14.5);
    path.cubicTo(9.2, 14.5, 9, 10, 8, 10);
    path.cubicTo(7, 10, 6.8, 14.5, 6, 14.5);
    path.lineTo(5, 10);
    path.cubicTo(4.5, 8, 3, 7, 3, 4);
    p.setPen(QPen(QColor(100, 100, 110), 1));
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(path);
}

} // namespace

QIcon AppIcons::picture(int index)
{
    static const Draw pictures[] = {dataEntry, settings, about, closeProgram,
                                    referral, statistics, programSign};
    if (index < 0 || index >= int(std::size(pictures)))
        return QIcon();
    return drawn(pictures[index]);
}

QIcon AppIcons::glyph(Glyph g)
{
    switch (g) {
    case Glyph::Date: return drawn(date);
    case Glyph::NextNumber: return drawn(nextNumber);
    case Glyph::List: return drawn(list);
    case Glyph::PatientForm: return drawn(referral);
    case Glyph::DentalForm: return drawn(tooth);
    }
    return QIcon();
}

QPixmap AppIcons::aboutPicture()
{
    QPixmap pm(100, 200);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 200);
    g.setColorAt(0, QColor(30, 70, 150));
    g.setColorAt(1, QColor(150, 190, 240));
    p.fillRect(pm.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(20, 50, 60, 60));
    redCross(p, QRectF(32, 62, 36, 36));
    p.setPen(QColor(255, 255, 255, 200));
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(0, 130, 100, 30), Qt::AlignCenter, QStringLiteral("Lodera"));
    p.end();
    return pm;
}
