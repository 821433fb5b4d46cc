#pragma once
// A dialog window page. No template of the program has one; its children are
// positioned in the window, so absolute positions stop at it.
#include "report/model/tfrxpage.h"

class TfrxDialogPage : public TfrxPage
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
public:
    Q_INVOKABLE explicit TfrxDialogPage(TfrxComponent *AOwner = nullptr) : TfrxPage(AOwner) {}

    bool IsBoundsStored() const override { return true; }
    const QString &Caption() const { return m_caption; }
    void SetCaption(const QString &v) { m_caption = v; }

private:
    QString m_caption;
};
