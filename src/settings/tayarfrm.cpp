#include "settings/tayarfrm.h"

#include "platform/loderaerror.h"
#include "records/ui/errorbox.h"
#include "records/ui/guardedslot.h"
#include "records/ui/programfont.h"
#include "settings/tgetpasswdfrm.h"
#include "settings/tpasswdfrm.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

TAyarFrm *AyarFrm = nullptr;

namespace {

template <class T>
T *named(T *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

constexpr int Border = 5;
constexpr int ClientWidth = 324;
constexpr int ClientHeight = 198;
constexpr int TabsHeight = 166;

} // namespace

TAyarFrm::TAyarFrm(QWidget *parent) : TAyarFrm(OptionsStore(), ProtectionStore(), parent) {}

TAyarFrm::TAyarFrm(const OptionsStore &options, const ProtectionStore &protection, QWidget *parent)
    : QDialog(parent), m_options(options), m_protection(protection)
{
    build();
    if (!AyarFrm)
        AyarFrm = this;
    FormCreate();
}

TAyarFrm::~TAyarFrm()
{
    FormDestroy();
    if (AyarFrm == this)
        AyarFrm = nullptr;
}

void TAyarFrm::build()
{
    setObjectName(QStringLiteral("AyarFrm"));
    setWindowTitle(QStringLiteral("Genel Ayarlar"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    setFont(ProgramFont::standard());
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    black.setColor(QPalette::ButtonText, Qt::black);
    setPalette(black);

    PageControl1 = named(new QTabWidget(this), "PageControl1");
    PageControl1->setGeometry(Border, Border, ClientWidth - 2 * Border, TabsHeight);
    PageControl1->setFocusPolicy(Qt::NoFocus);
    PageControl1->tabBar()->setAttribute(Qt::WA_Hover);

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
    PageControl1->setCurrentIndex(0);

    const int buttonTop = Border + TabsHeight;
    OKBtn = named(new QPushButton(QStringLiteral("Tamam"), this), "OKBtn");
    OKBtn->setGeometry(ClientWidth - Border - 73, buttonTop, 73, 25);
    OKBtn->setDefault(true);
    CancelBtn = named(new QPushButton(QStringLiteral("İptal"), this), "CancelBtn");
    CancelBtn->setGeometry(ClientWidth - Border - 2 * 73 - 8, buttonTop, 73, 25);
    setTabOrder(CancelBtn, OKBtn);

    connectGuarded(OKBtn, &QPushButton::clicked, this, &TAyarFrm::OkBtnClick);
    connectGuarded(CancelBtn, &QPushButton::clicked, this, &TAyarFrm::CancelBtnClick);
    // `clicked` comes from the clerk only; the program's own setChecked is
    // further held off with a signal blocker wherever it sets the box.
    connectGuarded(SifreChk, &QCheckBox::clicked, this, &TAyarFrm::SifreChkClick);
    connectGuarded(ChangePasswdBtn, &QPushButton::clicked, this, &TAyarFrm::ChangePasswdBtnClick);
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        QWidget *page = PageControl1->widget(index);
        if (page == TabSheet1)
            TabSheet1Show();
        else if (page == TabSheet2)
            TabSheet2Show();
        else if (page == TabSheet3)
            TabSheet3Show();
    });
}

void TAyarFrm::FormCreate()
{
    {
        const QSignalBlocker detached(SifreChk);
        LoadProtectionState();
    }
    LoadOptions();
}

void TAyarFrm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        LoadOptions();
}

void TAyarFrm::FormClose()
{
    // A settings file that cannot be written is reported; the options stay in
    // force in the controls and are written again at the next closing.
    ErrorBox::guard([this] { SaveOptions(); });
}

void TAyarFrm::FormDestroy()
{
    ErrorBox::guard([this] { SaveProtectionState(); });
}

void TAyarFrm::done(int result)
{
    FormClose();
    QDialog::done(result);
}

void TAyarFrm::keyPressEvent(QKeyEvent *event)
{
    // Escape answers "İptal" only while "İptal" is offered.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (CancelBtn->isEnabled())
            CancelBtn->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

SettingsOptions TAyarFrm::options() const
{
    SettingsOptions o;
    o.preview = ChkYazdir->isChecked();
    o.filterSearch = ChkArama->isChecked();
    o.alphabetical = ChkSira->isChecked();
    o.autoExitDate = ChkTarih->isChecked();
    if (RBtn1->isChecked())
        o.statistics = StatisticsMode::NotKept;
    else if (RBtn2->isChecked())
        o.statistics = StatisticsMode::AskEachTime;
    else if (RBtn3->isChecked())
        o.statistics = StatisticsMode::Always;
    else
        o.statistics = StatisticsMode::NoneSelected;
    return o;
}

void TAyarFrm::setOptions(const SettingsOptions &o)
{
    ChkYazdir->setChecked(o.preview);
    ChkArama->setChecked(o.filterSearch);
    ChkSira->setChecked(o.alphabetical);
    ChkTarih->setChecked(o.autoExitDate);
    const struct {
        QRadioButton *button;
        StatisticsMode mode;
    } radios[] = {{RBtn1, StatisticsMode::NotKept},
                  {RBtn2, StatisticsMode::AskEachTime},
                  {RBtn3, StatisticsMode::Always}};
    // Exclusive buttons cannot all be cleared; "none selected" is a state of its own.
    for (const auto &r : radios) {
        r.button->setAutoExclusive(false);
        r.button->setChecked(o.statistics == r.mode);
        r.button->setAutoExclusive(true);
    }
}

void TAyarFrm::LoadOptions()
{
    setOptions(m_options.load(options()));
}

void TAyarFrm::SaveOptions()
{
    m_options.save(options());
}

void TAyarFrm::LoadProtectionState()
{
    SifreChk->setChecked(ReadProtectionActive());
    SifreChk->setEnabled(!ReadStoredPassword().isEmpty());
}

void TAyarFrm::SaveProtectionState()
{
    WriteProtectionActive(SifreChk->isChecked());
}

bool TAyarFrm::ReadProtectionActive() const { return m_protection.readActive(); }

void TAyarFrm::WriteProtectionActive(bool active) { m_protection.writeActive(active); }

QString TAyarFrm::ReadStoredPassword() const { return m_protection.readPassword(); }

void TAyarFrm::WriteStoredPassword(const QString &password) { m_protection.writePassword(password); }

bool TAyarFrm::AskPassword(PasswordPrompt prompt)
{
    if (prompt == PasswordPrompt::OnlyIfActive && !ReadProtectionActive())
        return true;
    TGetPassWdFrm window(this);
    return window.Execute(ReadStoredPassword());
}

void TAyarFrm::TabSheet1Show() { CancelBtn->setEnabled(true); }
void TAyarFrm::TabSheet2Show() { CancelBtn->setEnabled(false); }
void TAyarFrm::TabSheet3Show() { CancelBtn->setEnabled(false); }

void TAyarFrm::OkBtnClick()
{
    {
        const QSignalBlocker detached(SifreChk);
        // Reported, not fatal: the box keeps the choice and the end of the
        // program writes it again.
        ErrorBox::guard([this] { SaveProtectionState(); });
    }
    accept();
    if (ChkSira->isChecked())
        emit alphabeticalOrderRequested();
}

void TAyarFrm::CancelBtnClick()
{
    {
        const QSignalBlocker detached(SifreChk);
        LoadProtectionState();
    }
    reject();
}

void TAyarFrm::SifreChkClick()
{
    if (AskPassword(PasswordPrompt::Always))
        return;
    const QSignalBlocker detached(SifreChk);
    SifreChk->setChecked(!SifreChk->isChecked());
}

void TAyarFrm::ChangePasswdBtnClick()
{
    const QString current = ReadStoredPassword();
    TPassWdFrm *window = passwordWindow();
    if (!window->Execute(current))
        return;
    if (QMessageBox::question(this, QStringLiteral("Onay"),
                              QStringLiteral("Şu anki şifreyi değiştirmek istiyor musunuz?"),
                              QMessageBox::Yes | QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // Raises "Şifre yazılamadı", shown by the handler's guard; the box stays as it was.
    WriteStoredPassword(window->GetNewPassword());
    const QSignalBlocker detached(SifreChk);
    SifreChk->setEnabled(true);
    SifreChk->setChecked(true);
}

TPassWdFrm *TAyarFrm::passwordWindow()
{
    // Start-up creates the one change-password window; a settings window
    // standing on its own makes its own.
    if (!PassWdFrm)
        new TPassWdFrm(this);
    return PassWdFrm;
}
