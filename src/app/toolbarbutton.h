#pragma once
// A toolbar button of the main window: a 16 x 16 picture with its caption
// under it. The caption is drawn whole and centred, never shortened with an
// ellipsis: the captions were chosen to fit the button's 57 pixels.
#include <QToolButton>

class ToolBarButton : public QToolButton
{
    Q_OBJECT
public:
    explicit ToolBarButton(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
