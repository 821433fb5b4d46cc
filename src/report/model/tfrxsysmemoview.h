#pragma once
// A text object for system values. No template of the program uses it.
#include "report/model/tfrxcustommemoview.h"

class TfrxSysMemoView : public TfrxCustomMemoView
{
    Q_OBJECT
    Q_PROPERTY(bool AutoWidth READ AutoWidth WRITE SetAutoWidth)
    Q_PROPERTY(TBrushStyle BrushStyle READ BrushStyle WRITE SetBrushStyle)
    Q_PROPERTY(double CharSpacing READ CharSpacing WRITE SetCharSpacing)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(TfrxFormat *DisplayFormat READ DisplayFormat)
    Q_PROPERTY(TfrxFrame *Frame READ Frame)
    Q_PROPERTY(double GapX READ GapX WRITE SetGapX)
    Q_PROPERTY(double GapY READ GapY WRITE SetGapY)
    Q_PROPERTY(TfrxHAlign HAlign READ HAlign WRITE SetHAlign)
    Q_PROPERTY(bool HideZeros READ HideZeros WRITE SetHideZeros)
    Q_PROPERTY(TfrxHighlight *Highlight READ Highlight)
    Q_PROPERTY(QStringList Memo READ Memo WRITE SetMemo)
    Q_PROPERTY(int Rotation READ Rotation WRITE SetRotation)
    Q_PROPERTY(bool RTLReading READ RTLReading WRITE SetRTLReading)
    Q_PROPERTY(QString Style READ Style WRITE SetStyle)
    Q_PROPERTY(bool SuppressRepeated READ SuppressRepeated WRITE SetSuppressRepeated)
    Q_PROPERTY(TfrxVAlign VAlign READ VAlign WRITE SetVAlign)
public:
    Q_INVOKABLE explicit TfrxSysMemoView(TfrxComponent *AOwner = nullptr) : TfrxCustomMemoView(AOwner) {}
};
