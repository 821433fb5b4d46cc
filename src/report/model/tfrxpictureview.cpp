#include "report/model/tfrxpictureview.h"

TfrxPictureView::TfrxPictureView(TfrxComponent *AOwner) : TfrxView(AOwner), m_picture(new TfrxPicture(this))
{
    SetColor(clWhite);
}

void TfrxPictureView::SetAutoSize(bool v)
{
    m_autoSize = v;
    PictureChanged();
}

void TfrxPictureView::LoadFromFile(const QString &fileName)
{
    m_picture->LoadFromFile(fileName);
    PictureChanged();
}

void TfrxPictureView::PictureChanged()
{
    if (m_autoSize && !m_picture->Image().isNull()) {
        SetWidth(m_picture->Width());
        SetHeight(m_picture->Height());
    }
}
