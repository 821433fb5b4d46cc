#include "records/ui/bevelpanel.h"

#include <QPainter>

BevelPanel::BevelPanel(QWidget *parent, Bevel outer, Bevel inner, int borderWidth)
    : QFrame(parent), m_outer(outer), m_inner(inner), m_borderWidth(borderWidth)
{
    setFrameShape(QFrame::NoFrame);
    updateMargins();
}

void BevelPanel::setBevels(Bevel outer, Bevel inner)
{
    m_outer = outer;
    m_inner = inner;
    updateMargins();
    update();
}

void BevelPanel::setBorderWidth(int width)
{
    m_borderWidth = width;
    updateMargins();
}

int BevelPanel::inset() const
{
    return (m_outer != Bevel::None) + (m_inner != Bevel::None) + m_borderWidth;
}

void BevelPanel::updateMargins()
{
    const int m = inset();
    setContentsMargins(m, m, m, m);
}

static void drawRing(QPainter &p, QRect r, Bevel bevel, const QPalette &pal)
{
    if (bevel == Bevel::None)
        return;
    const QColor light = pal.color(QPalette::Light);
    const QColor dark = pal.color(QPalette::Dark);
    const QColor topLeft = bevel == Bevel::Raised ? light : dark;
    const QColor bottomRight = bevel == Bevel::Raised ? dark : light;
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void BevelPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    QRect r = rect();
    drawRing(p, r, m_outer, palette());
    if (m_outer != Bevel::None)
        r.adjust(1, 1, -1, -1);
    drawRing(p, r, m_inner, palette());
}
