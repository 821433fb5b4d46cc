#include "report/model/tfrxband.h"

#include "report/model/tfrxchild.h"
#include "report/model/tfrxcolumnfooter.h"
#include "report/model/tfrxcolumnheader.h"
#include "report/model/tfrxdataband4.h"
#include "report/model/tfrxdataband5.h"
#include "report/model/tfrxdataband6.h"
#include "report/model/tfrxdetaildata.h"
#include "report/model/tfrxfooter.h"
#include "report/model/tfrxgroupfooter.h"
#include "report/model/tfrxgroupheader.h"
#include "report/model/tfrxheader.h"
#include "report/model/tfrxmasterdata.h"
#include "report/model/tfrxoverlay.h"
#include "report/model/tfrxpagefooter.h"
#include "report/model/tfrxpageheader.h"
#include "report/model/tfrxreportsummary.h"
#include "report/model/tfrxreporttitle.h"
#include "report/model/tfrxsubdetaildata.h"

int TfrxBand::BandNumber() const
{
    // Row n of the band table is the n-th class here; the last match wins.
    static const QMetaObject *const kinds[] = {
        &TfrxReportTitle::staticMetaObject,  &TfrxReportSummary::staticMetaObject,
        &TfrxPageHeader::staticMetaObject,   &TfrxPageFooter::staticMetaObject,
        &TfrxHeader::staticMetaObject,       &TfrxFooter::staticMetaObject,
        &TfrxMasterData::staticMetaObject,   &TfrxDetailData::staticMetaObject,
        &TfrxSubdetailData::staticMetaObject, &TfrxDataBand4::staticMetaObject,
        &TfrxDataBand5::staticMetaObject,    &TfrxDataBand6::staticMetaObject,
        &TfrxGroupHeader::staticMetaObject,  &TfrxGroupFooter::staticMetaObject,
        &TfrxChild::staticMetaObject,        &TfrxColumnHeader::staticMetaObject,
        &TfrxColumnFooter::staticMetaObject, &TfrxOverlay::staticMetaObject,
    };
    int number = 0;
    const QMetaObject *mine = metaObject();
    for (int i = 0; i < int(std::size(kinds)); ++i)
        if (mine->inherits(kinds[i]))
            number = i;
    return number;
}

TfrxChild *TfrxBand::Child() const
{
    return qobject_cast<TfrxChild *>(m_child.data());
}

void TfrxBand::SetChild(TfrxChild *v)
{
    m_child = v;
}
