#include "settings/tgetpasswdfrm.h"

#include "records/ui/programfont.h"
#include "settings/passwordedit.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

TGetPassWdFrm::TGetPassWdFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("GetPassWdFrm"));
    setWindowTitle(QStringLiteral("Şifre Gir"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(259, 104);
    setFont(ProgramFont::standard());

    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("Bevel1"));
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Sunken);
    box->setGeometry(8, 8, 243, 57);

    auto *icon = new QLabel(box);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    icon->setGeometry(10, 12, 32, 32);

    auto *label = new QLabel(QStringLiteral("Şifrenizi girin"), box);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(50, 8, 185, 13);

    Edit1 = new PasswordEdit(box);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(50, 24, 185, 21);
    label->setBuddy(Edit1);

    BitBtn1 = new QPushButton(QStringLiteral("Tamam"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(84, 72, 81, 27);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("İptal"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(170, 72, 81, 27);

    connect(BitBtn1, &QPushButton::clicked, this, &TGetPassWdFrm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TGetPassWdFrm::Execute(const QString &expected)
{
    m_expected = expected;
    Edit1->clear();
    return exec() == QDialog::Accepted;
}

void TGetPassWdFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // In the middle of the screen, not of the window that asked.
    if (const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    Edit1->setFocus();
}

void TGetPassWdFrm::BitBtn1Click()
{
    if (Edit1->text() != m_expected) {
        QMessageBox::critical(this, QStringLiteral("Hata"), QStringLiteral("Geçersiz şifre."),
                              QMessageBox::Ok);
        Edit1->setFocus();
        return;
    }
    accept();
}
