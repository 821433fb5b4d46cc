#pragma once
// The edit of the password windows: every typed character shows as "*",
// whatever the style's own password character is, and a character that code
// page 1254 cannot hold is refused as it is typed (win.ini keeps the password
// in that code page, so such a password could never be stored or matched).
#include <QLineEdit>

class PasswordEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit PasswordEdit(QWidget *parent = nullptr);
};
