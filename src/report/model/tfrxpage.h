#pragma once
// A page of a report: the base of printable pages and dialog pages.
#include "report/model/tfrxcomponent.h"

class TfrxPage : public TfrxComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxPage(TfrxComponent *AOwner = nullptr) : TfrxComponent(AOwner) {}

    // A page's place and size follow from its paper, not from stored bounds.
    bool IsBoundsStored() const override { return false; }
};
