#include "records/ui/srdbgriddelegate.h"

#include "records/ui/recordtablemodel.h"
#include "records/ui/tsrdbgrid.h"

#include <QPainter>

SrDBGridDelegate::SrDBGridDelegate(TSrDBGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

SrDBGridDelegate::CellColours SrDBGridDelegate::coloursFor(int row, int currentRow) const
{
    CellColours c{m_grid->color(), m_grid->palette().color(QPalette::Text)};
    // Rows are numbered from 1, as the dataset numbers them.
    if ((row + 1) % 2 == 0)
        c.background = m_grid->colorAlternative();
    if (row == currentRow) {
        c.background = m_grid->colorSelect();
        c.text = m_grid->colorSelectText();
    }
    return c;
}

void SrDBGridDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                             const QModelIndex &index) const
{
    const int current = m_grid->recordModel() ? m_grid->recordModel()->currentRow() : -1;
    const CellColours c = coloursFor(index.row(), current);
    painter->fillRect(option.rect, c.background);
    const QString text = index.data().toString();
    const QRect r = option.rect.adjusted(2, 0, -2, 0);
    painter->setPen(c.text);
    painter->setFont(option.font);
    painter->drawText(r, Qt::AlignLeft | Qt::AlignVCenter, text);
}
