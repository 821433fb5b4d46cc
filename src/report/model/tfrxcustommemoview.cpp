#include "report/model/tfrxcustommemoview.h"

#include "report/model/tfrxdataloader.h"
#include "report/model/tfrxreport.h"

TfrxCustomMemoView::TfrxCustomMemoView(TfrxComponent *AOwner)
    : TfrxStretcheable(AOwner), m_displayFormat(new TfrxFormat(this)), m_highlight(new TfrxHighlight(this))
{
}

QString TfrxCustomMemoView::Text() const
{
    QString s;
    for (const QString &line : m_memo) {
        s += line;
        s += QLatin1String("\r\n");
    }
    return s;
}

QStringList TfrxCustomMemoView::SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n'))
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

void TfrxCustomMemoView::SetText(const QString &v)
{
    m_memo = SplitLines(v);
}

void TfrxCustomMemoView::SetStyle(const QString &v)
{
    m_style = v;
    if (IsLoading())
        return;
    TfrxReport *report = OwnerReport();
    if (!report)
        return;
    if (const TfrxStyleItem *item = report->Style()->Find(v)) {
        SetColor(item->Color());
        SetFont(*item->Font());
        Frame()->Assign(*item->Frame());
    }
}

void TfrxCustomMemoView::BeforeOutput()
{
    TfrxStretcheable::BeforeOutput();
    m_savedMemoValid = !IsDataField();
    if (m_savedMemoValid)
        m_savedMemo = m_memo;
}

void TfrxCustomMemoView::FetchData()
{
    TfrxReport *report = OwnerReport();
    if (report && report->DataLoader())
        report->DataLoader()->FetchMemo(*this);
}

void TfrxCustomMemoView::AfterOutput()
{
    TfrxStretcheable::AfterOutput();
    if (m_savedMemoValid)
        m_memo = m_savedMemo;
    m_savedMemoValid = false;
}
