#include "app/toolbarbutton.h"

#include <QPainter>
#include <QStyleOptionToolButton>

ToolBarButton::ToolBarButton(QWidget *parent) : QToolButton(parent)
{
    setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    setAutoRaise(true);
    setIconSize({16, 16});
}

void ToolBarButton::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QStyleOptionToolButton opt;
    initStyleOption(&opt);
    const bool raised = opt.state & (QStyle::State_Sunken | QStyle::State_On);
    const bool hovered = isEnabled() && (opt.state & QStyle::State_MouseOver);
    if (raised || hovered)
        style()->drawPrimitive(QStyle::PE_PanelButtonTool, &opt, &p, this);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const QPixmap picture = icon().pixmap(iconSize(), devicePixelRatio(), mode);
    const int shift = raised ? 1 : 0;
    p.drawPixmap((width() - iconSize().width()) / 2 + shift, 3 + shift, picture);

    const QRect caption(shift, 3 + iconSize().height() + 1 + shift, width(),
                        height() - iconSize().height() - 5);
    style()->drawItemText(&p, caption, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, palette(),
                          isEnabled(), text().trimmed(), QPalette::ButtonText);
}
