#include "report/model/tfrxclassregistry.h"

#include "report/model/tfrxchild.h"
#include "report/model/tfrxcolumnfooter.h"
#include "report/model/tfrxcolumnheader.h"
#include "report/model/tfrxcustomlineview.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxdataband4.h"
#include "report/model/tfrxdataband5.h"
#include "report/model/tfrxdataband6.h"
#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxdialogpage.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxframe.h"
#include "report/model/tfrxgroupfooter.h"
#include "report/model/tfrxgroupheader.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxhighlight.h"
#include "report/model/tfrxlineview.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxmemoview.h"
#include "report/model/tfrxnullband.h"
#include "report/model/tfrxoverlay.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxreportpage.h"
#include "report/model/tfrxreportsummary.h"
#include "report/model/tfrxreporttitle.h"
#include "report/model/tfrxshapeview.h"
#include "report/model/tfrxstyleitem.h"
#include "report/model/tfrxsubdetaildata.h"
#include "report/model/tfrxsubreport.h"
#include "report/model/tfrxsysmemoview.h"

#include <QMetaObject>

#include <iterator>

namespace {

// Each class with a constructor of its own: made directly, which is many
// times faster than QMetaObject::newInstance matching a signature (a
// rebuilt list page makes some two hundred objects).
struct Entry {
    const QMetaObject *meta;
    QObject *(*make)(TfrxComponent *owner);
};

template <class T> Entry entry()
{
    return {&T::staticMetaObject, [](TfrxComponent *owner) -> QObject * { return new T(owner); }};
}

const Entry kClasses[] = {
    entry<TfrxChild>(),          entry<TfrxColumnFooter>(),   entry<TfrxColumnHeader>(),
    entry<TfrxCustomMemoView>(), entry<TfrxMasterData>(),     entry<TfrxDetailData>(),
    entry<TfrxSubdetailData>(),  entry<TfrxDataBand4>(),      entry<TfrxDataBand5>(),
    entry<TfrxDataBand6>(),      entry<TfrxDialogPage>(),     entry<TfrxFooter>(),
    entry<TfrxFrame>(),          entry<TfrxGroupFooter>(),    entry<TfrxGroupHeader>(),
    entry<TfrxHeader>(),         entry<TfrxHighlight>(),      entry<TfrxLineView>(),
    entry<TfrxMemoView>(),       entry<TfrxOverlay>(),        entry<TfrxPageFooter>(),
    entry<TfrxPageHeader>(),     entry<TfrxPictureView>(),    entry<TfrxReport>(),
    entry<TfrxReportPage>(),     entry<TfrxReportSummary>(),  entry<TfrxReportTitle>(),
    entry<TfrxShapeView>(),      entry<TfrxSubreport>(),      entry<TfrxSysMemoView>(),
    entry<TfrxStyleItem>(),      entry<TfrxNullBand>(),       entry<TfrxCustomLineView>(),
};

} // namespace

const QMetaObject *TfrxClassRegistry::Find(const QString &className)
{
    // Stored names are written as the class names are spelt: look for that first.
    for (const Entry &e : kClasses)
        if (QLatin1String(e.meta->className()) == className)
            return e.meta;
    for (const Entry &e : kClasses)
        if (TfrxComponent::SameName(QLatin1String(e.meta->className()), className))
            return e.meta;
    return nullptr;
}

QObject *TfrxClassRegistry::Create(const QMetaObject *cls, TfrxComponent *owner)
{
    for (const Entry &e : kClasses)
        if (e.meta == cls)
            return e.make(owner);
    if (!cls)
        return nullptr;
    if (cls->inherits(&TfrxComponent::staticMetaObject))
        return cls->newInstance(Q_ARG(TfrxComponent *, owner));
    return cls->newInstance(Q_ARG(QObject *, owner));
}

QStringList TfrxClassRegistry::Names()
{
    QStringList names;
    for (const Entry &e : kClasses)
        names.append(QLatin1String(e.meta->className()));
    return names;
}
