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

const QMetaObject *const kClasses[] = {
    &TfrxChild::staticMetaObject,         &TfrxColumnFooter::staticMetaObject,
    &TfrxColumnHeader::staticMetaObject,  &TfrxCustomMemoView::staticMetaObject,
    &TfrxMasterData::staticMetaObject,    &TfrxDetailData::staticMetaObject,
    &TfrxSubdetailData::staticMetaObject, &TfrxDataBand4::staticMetaObject,
    &TfrxDataBand5::staticMetaObject,     &TfrxDataBand6::staticMetaObject,
    &TfrxDialogPage::staticMetaObject,    &TfrxFooter::staticMetaObject,
    &TfrxFrame::staticMetaObject,         &TfrxGroupFooter::staticMetaObject,
    &TfrxGroupHeader::staticMetaObject,   &TfrxHeader::staticMetaObject,
    &TfrxHighlight::staticMetaObject,     &TfrxLineView::staticMetaObject,
    &TfrxMemoView::staticMetaObject,      &TfrxOverlay::staticMetaObject,
    &TfrxPageFooter::staticMetaObject,    &TfrxPageHeader::staticMetaObject,
    &TfrxPictureView::staticMetaObject,   &TfrxReport::staticMetaObject,
    &TfrxReportPage::staticMetaObject,    &TfrxReportSummary::staticMetaObject,
    &TfrxReportTitle::staticMetaObject,   &TfrxShapeView::staticMetaObject,
    &TfrxSubreport::staticMetaObject,     &TfrxSysMemoView::staticMetaObject,
    &TfrxStyleItem::staticMetaObject,     &TfrxNullBand::staticMetaObject,
    &TfrxCustomLineView::staticMetaObject,
};

} // namespace

const QMetaObject *TfrxClassRegistry::Find(const QString &className)
{
    for (const QMetaObject *mo : kClasses)
        if (TfrxComponent::SameName(QLatin1String(mo->className()), className))
            return mo;
    return nullptr;
}

QObject *TfrxClassRegistry::Create(const QMetaObject *cls, TfrxComponent *owner)
{
    if (!cls)
        return nullptr;
    if (cls->inherits(&TfrxComponent::staticMetaObject))
        return cls->newInstance(Q_ARG(TfrxComponent *, owner));
    return cls->newInstance(Q_ARG(QObject *, owner));
}

QStringList TfrxClassRegistry::Names()
{
    QStringList names;
    for (const QMetaObject *mo : kClasses)
        names.append(QLatin1String(mo->className()));
    return names;
}
