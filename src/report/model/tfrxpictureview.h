#pragma once
// A picture. With AutoSize the view takes the picture's pixel size, both when the
// switch is turned on and whenever a picture is loaded while it is on.
#include "report/model/tfrxpicture.h"
#include "report/model/tfrxview.h"

class TfrxPictureView : public TfrxView
{
    Q_OBJECT
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(QString DataField READ DataField WRITE SetDataField)
    Q_PROPERTY(TfrxDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(TfrxFrame *Frame READ Frame)
    Q_PROPERTY(bool KeepAspectRatio READ KeepAspectRatio WRITE SetKeepAspectRatio)
    Q_PROPERTY(TfrxPicture *Picture READ Picture)
    Q_PROPERTY(bool Stretched READ Stretched WRITE SetStretched)
public:
    Q_INVOKABLE explicit TfrxPictureView(TfrxComponent *AOwner = nullptr);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool v);
    bool Center() const { return m_center; }
    void SetCenter(bool v) { m_center = v; }
    bool KeepAspectRatio() const { return m_keepAspectRatio; }
    void SetKeepAspectRatio(bool v) { m_keepAspectRatio = v; }
    TfrxPicture *Picture() const { return m_picture; }
    bool Stretched() const { return m_stretched; }
    void SetStretched(bool v) { m_stretched = v; }

    // Throws LoderaError naming the file when it holds no picture.
    void LoadFromFile(const QString &fileName);
    // To be called after the picture changed from outside (serializer, program).
    void PictureChanged();

private:
    bool m_autoSize = false;
    bool m_center = false;
    bool m_keepAspectRatio = true;
    TfrxPicture *m_picture;
    bool m_stretched = true;
};
