#pragma once
// A component that takes part in a report run. Around every output the engine
// calls BeforeOutput first and AfterOutput last, so whatever a run changes in a
// template object (its bounds, and in views their texts) is put back afterwards.
#include "report/model/tfrxcomponent.h"

class TfrxReportComponent : public TfrxComponent
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxReportComponent(TfrxComponent *AOwner = nullptr) : TfrxComponent(AOwner) {}

    virtual void BeforeOutput();
    virtual void FetchData() {}
    virtual void AfterOutput();
    virtual QString ComponentText() const { return {}; }

private:
    double m_savedLeft = 0;
    double m_savedTop = 0;
    double m_savedWidth = 0;
    double m_savedHeight = 0;
};
