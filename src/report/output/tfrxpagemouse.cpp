#include "report/output/tfrxpagemouse.h"

#include "report/base/frxunits.h"
#include "report/base/tfrxxmlitem.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxview.h"
#include "report/output/tfrxpreviewpages.h"

TfrxMouseResult TfrxPageMouse::HandleMouse(int index, int x, int y, double scale, double offsetX, double offsetY,
                                           TfrxMouseAction action)
{
    TfrxMouseResult result;
    if (m_store.Running() || index < 0 || index >= m_store.PageCount())
        return result;
    TfrxReportPage *page = m_store.BuildPage(index);
    if (!page)
        return result;
    const bool mirrored = page->MirrorMargins() && index % 2 == 1;
    offsetX += (mirrored ? page->RightMargin() : page->LeftMargin()) * fr1mm * scale;
    offsetY += page->TopMargin() * fr1mm * scale;

    const QList<TfrxComponent *> objects = page->AllObjects();
    for (auto it = objects.crbegin(); it != objects.crend(); ++it) {
        auto *view = qobject_cast<TfrxView *>(*it);
        if (!view)
            continue;
        const double left = offsetX + view->AbsLeft() * scale;
        const double top = offsetY + view->AbsTop() * scale;
        if (x < left || y < top || x > left + view->Width() * scale || y > top + view->Height() * scale)
            continue;
        result.view = view;
        result.cursor = view->Cursor();
        const QString url = view->URL();
        if (!url.isEmpty()) {
            result.url = url;
            if (result.cursor == 0)
                result.cursor = HandCursor;
            if (action == TfrxMouseAction::Click) {
                if (url.startsWith(QLatin1Char('@'))) {
                    bool ok = false;
                    const int n = url.mid(1).trimmed().toInt(&ok);
                    if (ok && n >= 1 && n <= m_store.PageCount())
                        result.showPage = n - 1;
                } else if (url.startsWith(QLatin1Char('#'))) {
                    // The anchor's page and position; an unknown anchor asks for nothing.
                    if (const TfrxXMLItem *anchor = m_store.FindAnchorItem(url.mid(1))) {
                        result.showPage = anchor->GetAttr(QStringLiteral("page")).toInt();
                        result.showTop = anchor->GetAttr(QStringLiteral("top")).toDouble();
                    }
                } else {
                    result.openUrl = url;
                }
            }
        }
        break;
    }
    return result;
}
