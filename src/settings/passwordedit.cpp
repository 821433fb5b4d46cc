#include "settings/passwordedit.h"

#include "settings/turkishtextrules.h"

PasswordEdit::PasswordEdit(QWidget *parent) : QLineEdit(parent)
{
    setEchoMode(QLineEdit::Password);
    // 42 is '*'; styles otherwise draw a bullet.
    setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    installCp1254Filter(this);
}
