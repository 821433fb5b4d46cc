#pragma once
// Draws the cells of a record grid: odd-numbered rows on the grid's colour,
// even-numbered rows on the alternate colour, the dataset's current row in the
// selection colours, which win over the alternate colour.
#include <QStyledItemDelegate>

class TSrDBGrid;

class SrDBGridDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit SrDBGridDelegate(TSrDBGrid *grid);

    // Background and text colour of a row (0-based) given the current row.
    struct CellColours {
        QColor background;
        QColor text;
    };
    CellColours coloursFor(int row, int currentRow) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

private:
    TSrDBGrid *m_grid;
};
