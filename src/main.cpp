#include "app/tform1.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lodera"));
    TForm1 form;
    form.show();
    return app.exec();
}
