#pragma once
// Placeholder main window until the register windows are built on it.
#include <QWidget>

class TForm1 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);
};
