#pragma once
// A plain panel with the classic two-ring bevel of the office's old screens:
// an outer and an inner ring, each raised, lowered or absent, and a border
// width inside them. Children are placed in panel coordinates; the content
// margins tell layouts where the free area starts.
#include <QFrame>

enum class Bevel { None, Raised, Lowered };

class BevelPanel : public QFrame
{
    Q_OBJECT
public:
    explicit BevelPanel(QWidget *parent = nullptr, Bevel outer = Bevel::Raised,
                        Bevel inner = Bevel::None, int borderWidth = 0);

    void setBevels(Bevel outer, Bevel inner);
    void setBorderWidth(int width);

    // Width of the rings plus the border on every side.
    int inset() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void updateMargins();

    Bevel m_outer;
    Bevel m_inner;
    int m_borderWidth;
};
