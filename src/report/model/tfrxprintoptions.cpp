#include "report/model/tfrxprintoptions.h"

#include "report/base/tfrxresources.h"

TfrxPrintOptions::TfrxPrintOptions(QObject *parent) : TfrxPersistent(parent)
{
    Reset();
}

void TfrxPrintOptions::Reset()
{
    m_copies = 1;
    m_collate = true;
    m_pageNumbers.clear();
    m_printer = frxResources()->Get(QStringLiteral("prDefault"));
    m_printPages = TfrxPrintPages::ppAll;
    m_reverse = false;
    m_showDialog = true;
}
