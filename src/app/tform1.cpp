#include "app/tform1.h"

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral(" Lodera 2.3"));
    setFixedSize(601, 407);
}
