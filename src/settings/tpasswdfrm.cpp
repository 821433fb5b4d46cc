#include "settings/tpasswdfrm.h"

#include "records/ui/programfont.h"
#include "settings/passwordedit.h"

#include <QFrame>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

TPassWdFrm *PassWdFrm = nullptr;

TPassWdFrm::TPassWdFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PassWdFrm"));
    setWindowTitle(QStringLiteral("Şifre Değiştir"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(268, 119);
    setFont(ProgramFont::standard());

    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("Bevel1"));
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Sunken);
    box->setGeometry(8, 8, 252, 72);

    auto row = [box](const char *name, const QString &caption, int top) {
        auto *label = new QLabel(caption, box);
        label->setGeometry(10, top + 4, 62, 13);
        auto *edit = new PasswordEdit(box);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(74, top, 169, 21);
        edit->setMaxLength(MaxLength);
        label->setBuddy(edit);
        return edit;
    };
    EdtEskiSifre = row("EdtEskiSifre", QStringLiteral("Eski Şifre:"), 12);
    EdtYeniSifre = row("EdtYeniSifre", QStringLiteral("Yeni Şifre:"), 40);

    BitBtn1 = new QPushButton(QStringLiteral("Tamam"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(110, 86, 72, 27);
    BitBtn1->setDefault(true);
    BitBtn2 = new QPushButton(QStringLiteral("İptal"), this);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(188, 86, 72, 27);

    connect(BitBtn1, &QPushButton::clicked, this, &TPassWdFrm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    if (!PassWdFrm)
        PassWdFrm = this;
}

TPassWdFrm::~TPassWdFrm()
{
    if (PassWdFrm == this)
        PassWdFrm = nullptr;
}

bool TPassWdFrm::Execute(const QString &current)
{
    m_current = current;
    EdtEskiSifre->clear();
    EdtYeniSifre->clear();
    EdtEskiSifre->setEnabled(!current.isEmpty());
    return exec() == QDialog::Accepted;
}

QString TPassWdFrm::GetNewPassword() const
{
    return EdtYeniSifre->text();
}

void TPassWdFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // Always at the same place on the screen.
    move(212, 140);
    (m_current.isEmpty() ? EdtYeniSifre : EdtEskiSifre)->setFocus();
}

void TPassWdFrm::BitBtn1Click()
{
    auto refuse = [this](const QString &text, PasswordEdit *field) {
        QMessageBox::critical(this, QStringLiteral("Hata"), text, QMessageBox::Ok);
        field->setFocus();
    };
    if (!m_current.isEmpty() && EdtEskiSifre->text() != m_current) {
        refuse(QStringLiteral("Geçersiz şifre."), EdtEskiSifre);
        return;
    }
    if (EdtYeniSifre->text().isEmpty()) {
        refuse(QStringLiteral("Şifre olarak boşluk giremezsiniz"), EdtYeniSifre);
        return;
    }
    accept();
}
