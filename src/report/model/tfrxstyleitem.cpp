#include "report/model/tfrxstyleitem.h"

#include "platform/loderaerror.h"
#include "report/model/tfrxstyles.h"

TfrxStyleItem::TfrxStyleItem(QObject *parent)
    : TfrxPersistent(parent), m_font(new TfrxFont(this)), m_frame(new TfrxFrame(this))
{
}

void TfrxStyleItem::SetName(const QString &v)
{
    const auto *list = qobject_cast<TfrxStyles *>(parent());
    if (list && !v.isEmpty()) {
        const TfrxStyleItem *other = list->Find(v);
        if (other && other != this)
            throw LoderaError(QStringLiteral("Duplicate name"));
    }
    m_name = v;
}
