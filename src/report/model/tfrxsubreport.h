#pragma once
// A placeholder that prints another report page in its place. No template of the
// program uses it.
#include "report/model/tfrxview.h"

#include <QPointer>

class TfrxReportPage;

class TfrxSubreport : public TfrxView
{
    Q_OBJECT
    Q_PROPERTY(TfrxReportPage *Page READ SubPage WRITE SetSubPage)
    Q_PROPERTY(bool PrintOnParent READ PrintOnParent WRITE SetPrintOnParent)
    Q_MOC_INCLUDE("report/model/tfrxreportpage.h")
public:
    Q_INVOKABLE explicit TfrxSubreport(TfrxComponent *AOwner = nullptr);

    // The printed page (the "Page" member; Page() is the page the subreport is on).
    TfrxReportPage *SubPage() const;
    void SetSubPage(TfrxReportPage *v);
    bool PrintOnParent() const { return m_printOnParent; }
    void SetPrintOnParent(bool v) { m_printOnParent = v; }

private:
    QPointer<TfrxComponent> m_page;
    bool m_printOnParent = false;
};
