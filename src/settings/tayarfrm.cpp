#include "settings/tayarfrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

TAyarFrm *AyarFrm = nullptr;

namespace {

template <class T>
T *named(T *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace

TAyarFrm::TAyarFrm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AyarFrm"));
    setWindowTitle(QStringLiteral("Genel Ayarlar"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(324, 198);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(5, 5, 314, 166 - 5);
    PageControl1->setFocusPolicy(Qt::NoFocus);

    TabSheet1 = named(new QWidget, "TabSheet1");
    auto *upper = new QGroupBox(TabSheet1);
    upper->setGeometry(8, 4, 290, 56);
    auto *text = new QLabel(
        QStringLiteral("Programa şifre koyarak başkalarının bilgilere ulaşmasını önleyebilirsiniz. "),
        upper);
    text->setWordWrap(true);
    text->setGeometry(10, 10, 270, 40);
    auto *lower = new QGroupBox(TabSheet1);
    lower->setGeometry(8, 64, 290, 66);
    SifreChk = named(new QCheckBox(QStringLiteral("Şifre Korumasını Aktifleştir"), lower), "SifreChk");
    SifreChk->setGeometry(12, 12, 200, 17);
    ChangePasswdBtn = named(new QPushButton(QStringLiteral("Şifre Ata/ Değiştir"), lower),
                            "ChangePasswdBtn");
    ChangePasswdBtn->setGeometry(12, 34, 97, 23);

    TabSheet3 = named(new QWidget, "TabSheet3");
    RBtn1 = named(new QRadioButton(QStringLiteral("İstatistik için kayıt tutulmasın."), TabSheet3),
                  "RBtn1");
    RBtn2 = named(new QRadioButton(QStringLiteral("Her seferinde kullanıcı onayı ile kayıt yapılsın."),
                                   TabSheet3),
                  "RBtn2");
    RBtn3 = named(new QRadioButton(QStringLiteral("İstatistik için sürekli kayıt yapılsın."), TabSheet3),
                  "RBtn3");
    int y = 16;
    for (QRadioButton *rb : {RBtn1, RBtn2, RBtn3}) {
        rb->setGeometry(16, y, 280, 17);
        y += 28;
    }
    RBtn1->setChecked(true);

    TabSheet2 = named(new QWidget, "TabSheet2");
    ChkYazdir = named(new QCheckBox(QStringLiteral("Yazıcı önizleme ekranı sürekli görünsün."), TabSheet2),
                      "ChkYazdir");
    ChkArama = named(new QCheckBox(QStringLiteral("Arama fonksiyonu filtreleme yönetmiyle çalışsın."),
                                   TabSheet2),
                     "ChkArama");
    ChkSira = named(new QCheckBox(QStringLiteral("Kayıtlar alfabetik sırada gösterilsin."), TabSheet2),
                    "ChkSira");
    ChkTarih = named(new QCheckBox(QStringLiteral("\"Kurum Kayıt Çıkış Tarihi\" Otomatik yazılsın."),
                                   TabSheet2),
                     "ChkTarih");
    y = 12;
    for (QCheckBox *chk : {ChkYazdir, ChkArama, ChkSira, ChkTarih}) {
        chk->setGeometry(16, y, 285, 17);
        chk->setFocusPolicy(Qt::ClickFocus);
        y += 24;
    }
    ChkYazdir->setChecked(true);

    PageControl1->addTab(TabSheet1, QStringLiteral("Şifre Aktivasyon"));
    PageControl1->addTab(TabSheet3, QStringLiteral("İstatistik"));
    PageControl1->addTab(TabSheet2, QStringLiteral("Diğer Ayarlar"));

    CancelBtn = named(new QPushButton(QStringLiteral("İptal"), this), "CancelBtn");
    CancelBtn->setGeometry(166, 170, 73, 25);
    OKBtn = named(new QPushButton(QStringLiteral("Tamam"), this), "OKBtn");
    OKBtn->setGeometry(246, 170, 73, 25);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    if (!AyarFrm)
        AyarFrm = this;
}

TAyarFrm::~TAyarFrm()
{
    if (AyarFrm == this)
        AyarFrm = nullptr;
}
