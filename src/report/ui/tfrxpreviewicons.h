#pragma once
// The toolbar pictures of the preview window, drawn rather than shipped, by
// the objectName of their button ("PrintB", "ZoomWholePageB", ...).
#include <QIcon>
#include <QString>

class TfrxPreviewIcons
{
public:
    static QIcon icon(const QString &buttonName);
};
