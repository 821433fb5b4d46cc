#pragma once
// The line of the templates.
#include "report/model/tfrxcustomlineview.h"

class TfrxLineView : public TfrxCustomLineView
{
    Q_OBJECT
    Q_PROPERTY(bool Diagonal READ Diagonal WRITE SetDiagonal)
    Q_PROPERTY(TfrxFrame *Frame READ Frame)
public:
    Q_INVOKABLE explicit TfrxLineView(TfrxComponent *AOwner = nullptr) : TfrxCustomLineView(AOwner) {}
};
