#include "report/output/frxviewrect.h"

#include "report/base/frxunits.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxview.h"

TfrxViewRect PrepareDrawing(const TfrxView &view, double scaleX, double scaleY, double offsetX,
                            double offsetY)
{
    TfrxViewRect r;
    r.scaleX = scaleX;
    r.scaleY = scaleY;
    const double left = view.AbsLeft();
    const double top = view.AbsTop();
    r.x = frxRound(offsetX + scaleX * left);
    r.y = frxRound(offsetY + scaleY * top);
    r.x1 = frxRound(offsetX + scaleX * (left + view.Width()));
    r.y1 = frxRound(offsetY + scaleY * (top + view.Height()));
    const TfrxFrame &frame = *view.Frame();
    if (frame.DropShadow()) {
        r.x1 -= frxRound(scaleX * frame.ShadowWidth());
        r.y1 -= frxRound(scaleY * frame.ShadowWidth());
    }
    r.dx = r.x1 - r.x;
    r.dy = r.y1 - r.y;
    r.frameWidth = frxRound(scaleX * frame.Width());
    return r;
}

TfrxTextRect MemoTextRect(const TfrxCustomMemoView &memo, const TfrxViewRect &r)
{
    const TfrxFrame &frame = *memo.Frame();
    const TfrxFrameTypes typ = frame.Typ();
    const double fw = frame.Width();
    TfrxTextRect t;
    t.Left = r.x + (typ.testFlag(TfrxFrameType::ftLeft) ? frxRound((r.scaleX * fw - 1) / 2) : 0)
        + frxRound(r.scaleX * memo.GapX());
    t.Top = r.y + (typ.testFlag(TfrxFrameType::ftTop) ? frxRound((r.scaleY * fw - 1) / 2) : 0)
        + frxRound(r.scaleY * memo.GapY());
    t.Right = r.x1 - (typ.testFlag(TfrxFrameType::ftRight) ? frxRound(r.scaleX * fw / 2) : 0)
        - frxRound(r.scaleX * memo.GapX()) + 1;
    t.Bottom = r.y1 - (typ.testFlag(TfrxFrameType::ftBottom) ? frxRound(r.scaleY * fw / 2) : 0)
        - frxRound(r.scaleY * memo.GapY()) + 1;
    return t;
}

double MemoExtraHeight(const TfrxCustomMemoView &memo)
{
    const TfrxFrame &frame = *memo.Frame();
    const TfrxFrameTypes typ = frame.Typ();
    return 2 * memo.GapY() + (typ.testFlag(TfrxFrameType::ftTop) ? (frame.Width() - 1) / 2 : 0)
        + (typ.testFlag(TfrxFrameType::ftBottom) ? frame.Width() / 2 : 0)
        + (frame.DropShadow() ? frame.ShadowWidth() : 0);
}

double MemoExtraWidth(const TfrxCustomMemoView &memo)
{
    const TfrxFrame &frame = *memo.Frame();
    const TfrxFrameTypes typ = frame.Typ();
    return 2 * memo.GapX() + (typ.testFlag(TfrxFrameType::ftLeft) ? (frame.Width() - 1) / 2 : 0)
        + (typ.testFlag(TfrxFrameType::ftRight) ? frame.Width() / 2 : 0)
        + (frame.DropShadow() ? frame.ShadowWidth() : 0);
}
