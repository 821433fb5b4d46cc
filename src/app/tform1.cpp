#include "app/tform1.h"

#include "app/appicons.h"
#include "app/combolists.h"
#include "app/dataentrypanel.h"
#include "app/hinttracker.h"
#include "app/idlehandler.h"
#include "app/mainreports.h"
#include "app/panelstatusbar.h"
#include "app/recordpage.h"
#include "app/referralpanel.h"
#include "app/staffcolumn.h"
#include "app/tdcmintray.h"
#include "app/tform2.h"
#include "app/toolbarbutton.h"
#include "platform/localeformats.h"
#include "platform/singleinstance.h"
#include "records/db/maindatasets.h"
#include "records/ui/datasource.h"
#include "records/ui/dbcombobox.h"
#include "records/ui/dblookupcombobox.h"
#include "records/ui/errorbox.h"
#include "records/ui/guardedslot.h"
#include "records/ui/hinttext.h"
#include "records/ui/programfont.h"
#include "records/ui/tsrdbgrid.h"
#include "settings/tayarfrm.h"
#include "stats/statspanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

constexpr int ClientWidth = 601;
constexpr int ClientHeight = 407;
constexpr int ToolBarHeight = 48;
constexpr int StatusBarHeight = 19;
constexpr int StaffColumnWidth = 185;

bool optionTicked(QCheckBox *TAyarFrm::*option)
{
    return AyarFrm && (AyarFrm->*option)->isChecked();
}

bool settingsWindowActive()
{
    return AyarFrm && QApplication::activeWindow() == AyarFrm;
}

} // namespace

TForm1::TForm1(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(s(" Lodera 2.3"));
    setWindowIcon(AppIcons::programIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setFont(ProgramFont::standard());
    setFixedSize(ClientWidth, ClientHeight);

    // The database comes first: every bound control below needs its dataset.
    m_data = std::make_unique<db::MainDatasets>();
    m_data->open(QStringLiteral("Data.ssd"));
    installDatasetHandlers();
    m_reports = std::make_unique<MainReports>(*m_data, this);

    DataSource1 = new DataSource(&m_data->Query1, this);
    DataSource2 = new DataSource(&m_data->QueryDetail, this);
    DataSource3 = new DataSource(&m_data->Table1, this);
    DataSource4 = new DataSource(&m_data->TableUnvan, this);
    DataSource5 = new DataSource(&m_data->TableSKurum, this);
    DataSource6 = new DataSource(&m_data->QIstatistik, this);
    DataSource7 = new DataSource(&m_data->ADOQuery1, this);

    buildToolBar();
    buildWorkArea();
    StatusBar1 = new PanelStatusBar({180}, this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setGeometry(0, ClientHeight - StatusBarHeight, ClientWidth, StatusBarHeight);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(s("Hakkında"), this, &TForm1::ToolBtn5Click);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(s("Aç"), this, &TForm1::A1Click);
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(s("Kapat"), this, &TForm1::ToolBtn6Click);
    DCMinTray1 = new TDCMinTray(this);
    DCMinTray1->setHint(s("Lodera Programı"));
    DCMinTray1->setPopupMenu(PopupMenu1);

    connectHandlers();
    Query1AfterScroll();
    FormCreate();
}

TForm1::~TForm1()
{
    // The controls reach into the datasets until they are gone, so they go
    // first; the datasets and the connection follow with the members.
    QList<QPointer<QObject>> owned;
    for (QObject *child : children())
        owned << child;
    for (const QPointer<QObject> &child : owned)
        delete child.data();
}

void TForm1::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 1, ClientWidth, ToolBarHeight - 2);
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContentsMargins(2, 2, 2, 2);
    // The edge lines above and below the toolbar.
    for (int y : {0, ToolBarHeight - 1}) {
        auto *line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setGeometry(0, y, ClientWidth, 1);
    }

    auto button = [this](const char *name, const char *caption, const char *hint, int picture,
                         bool check) {
        auto *b = new ToolBarButton(ToolBar1);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(s(caption));
        b->setIcon(AppIcons::picture(picture));
        b->setCheckable(check);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedSize(57, 36);
        hinttext::apply(b, s(hint), ShowTip::Yes);
        ToolBar1->addWidget(b);
        return b;
    };
    auto separator = [this] {
        auto *gap = new QWidget(ToolBar1);
        gap->setFixedSize(8, 36);
        ToolBar1->addWidget(gap);
    };
    ToolBtn1 = button("ToolBtn1", "Sevk Ver", "Sevk Hazırla", 4, true);
    ToolBtn1->setChecked(true);
    ToolBtn2 = button("ToolBtn2", " Bilgi Girişi ", "Bilgi Girişi", 0, true);
    separator();
    ToolBtn3 = button("ToolBtn3", "İstatistik",
                      "İstatistikler|Kullanabilmek için ayarlar penceresinden ilgili bölümü açınız.", 5,
                      true);
    separator();
    ToolBtn4 = button("ToolBtn4", "Ayarlar", "Ayarlar", 1, false);
    separator();
    ToolBtn5 = button("ToolBtn5", "Hakkında", "Program Hakkında", 2, false);
    separator();
    ToolBtn6 = button("ToolBtn6", "Kapat", "Programı Kapat", 3, false);
}

void TForm1::buildWorkArea()
{
    const int top = ToolBarHeight;
    const int height = ClientHeight - ToolBarHeight - StatusBarHeight;

    Panel1 = new StaffColumn(DataSource1, this);
    Panel1->setGeometry(0, top, StaffColumnWidth, height);

    Panel3 = new BevelPanel(this, Bevel::None, Bevel::None, 4);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(StaffColumnWidth, top, ClientWidth - StaffColumnWidth, height);
    const QRect work = Panel3->contentsRect();

    Panel4 = new ReferralPanel(DataSource1, DataSource2, DataSource3, Panel3);
    Panel4->setGeometry(work);

    Panel6 = new DataEntryPanel({DataSource1, DataSource2, DataSource3, DataSource4, DataSource5},
                                Panel3);
    Panel6->setGeometry(work);
    Panel6->hide();

    Panel16 = new StatsPanel({DataSource1, DataSource6, DataSource7},
                             {m_reports->RpDetay(), m_reports->RpKisisel()}, Panel3);
    Panel16->setGeometry(work);
    Button4 = Panel16->Button4;
    Panel16->hide();
}

void TForm1::connectHandlers()
{
    connectGuarded(ToolBtn1, &QToolButton::clicked, this, &TForm1::ToolBtn1Click);
    connectGuarded(ToolBtn2, &QToolButton::clicked, this, &TForm1::ToolBtn2Click);
    connectGuarded(ToolBtn3, &QToolButton::clicked, this, &TForm1::ToolBtn3Click);
    connectGuarded(ToolBtn4, &QToolButton::clicked, this, &TForm1::ToolBtn4Click);
    connectGuarded(ToolBtn5, &QToolButton::clicked, this, &TForm1::ToolBtn5Click);
    connectGuarded(ToolBtn6, &QToolButton::clicked, this, &TForm1::ToolBtn6Click);
    connectGuarded(Panel6->Button2, &QPushButton::clicked, this, &TForm1::ToolBtn1Click);
    connectGuarded(Button4, &QPushButton::clicked, this, &TForm1::ToolBtn1Click);
    connectGuarded(Panel6->TabSet1, &QTabBar::currentChanged, this, &TForm1::TabSet1Change);

    connectGuarded(Panel4->RbYakini, &QRadioButton::clicked, this, &TForm1::RbYakiniClick);
    connectGuarded(Panel4->BtnTarih, &QToolButton::clicked, this, &TForm1::BtnTarihClick);
    connectGuarded(Panel4->BtnHasta, &QPushButton::clicked, this, &TForm1::BtnHastaClick);
    connectGuarded(Panel4->BtnDis, &QPushButton::clicked, this, &TForm1::BtnDisClick);
    connectGuarded(Panel4->SpeedButton1, &QToolButton::clicked, this, &TForm1::SpeedButton1Click);

    connectGuarded(Panel1->Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connectGuarded(Panel1->SpeedButton2, &QToolButton::clicked, this, &TForm1::SpeedButton2Click);
    connectGuarded(Panel1->DBGrid1, &TSrDBGrid::titleClicked, this, &TForm1::DBGrid1TitleClick);
    connectGuarded(Panel1->DBGrid1, &TSrDBGrid::mouseMoved, this, &TForm1::DBGrid1MouseMove);
    connectGuarded(Panel1->DBGrid1, &TSrDBGrid::entered, this, &TForm1::DBGrid1Enter);

    const struct {
        RecordPage *page;
        void (TForm1::*ekle)();
        void (TForm1::*sil)();
        void (TForm1::*kaydet)();
    } pages[] = {
        {Panel6->personel, &TForm1::PBtnEkleClick, &TForm1::PBtnSilClick, &TForm1::PBtnKaydetClick},
        {Panel6->yetkili, &TForm1::YBtnEkleClick, &TForm1::YBtnSilClick, &TForm1::YBtnKaydetClick},
        {Panel6->unvan, &TForm1::UBtnEkleClick, &TForm1::UBtnSilClick, &TForm1::UBtnKaydetClick},
        {Panel6->aile, &TForm1::ABtnEkleClick, &TForm1::ABtnSilClick, &TForm1::ABtnKaydetClick},
        {Panel6->saglik, &TForm1::SBtnEkleClick, &TForm1::SBtnSilClick, &TForm1::SBtnKaydetClick},
    };
    for (const auto &p : pages) {
        connectGuarded(p.page->BtnEkle, &QPushButton::clicked, this, p.ekle);
        connectGuarded(p.page->BtnSil, &QPushButton::clicked, this, p.sil);
        connectGuarded(p.page->BtnKaydet, &QPushButton::clicked, this, p.kaydet);
    }
    Panel6->unvan->setAfterChange([this] { RefreshTitleLists(); });
    Panel6->saglik->setAfterChange([this] { RefillHealthInstitutions(); });
}

void TForm1::FormCreate()
{
    m_instance = std::make_unique<SingleInstance>();
    if (!m_instance->tryAcquire()) {
        m_instance.reset();
        m_startAllowed = false;
        QMessageBox::information(nullptr, QApplication::applicationName(),
                                 s("Program zaten çalışıyor. İkinci kez başlatamazsınız!"),
                                 QMessageBox::Ok);
        return;
    }
    m_idle = new IdleHandler([this] { AppIdle(); }, this);
    m_hints = new HintTracker([this](const QString &hint) { BilgiBari(hint); }, this);
    Panel6->TabSet1->setCurrentIndex(0);
    Panel6->Notebook1->setCurrentIndex(0);
    Panel16->DateTimePicker2->setDate(QDate::currentDate());
}

void TForm1::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring a minimized window shows it again; the lists are filled once.
    if (!m_shown) {
        m_shown = true;
        // Centred on the desktop, as the office has always found it.
        if (const QScreen *screen = this->screen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
        FormShow();
    }
}

void TForm1::FormShow()
{
    LoadMainSettings();
    if (AyarFrm)
        connect(AyarFrm, &TAyarFrm::alphabeticalOrderRequested, this, [this] {
            ErrorBox::guard([this] { reopenStaffOrdered(); });
        });
    if (optionTicked(&TAyarFrm::ChkSira))
        reopenStaffOrdered();

    ComboLists::fill(Panel4->ComboBox2,
                     ComboLists::columnTexts(m_data->TableSKurum, QStringLiteral("SKurum"),
                                             FromRow::Current),
                     ComboLists::Clear::No);
    const QStringList titles =
        ComboLists::columnTexts(m_data->TableUnvan, QStringLiteral("Kategori"), FromRow::Current);
    ComboLists::fill(Panel6->DBComboBox1, titles, ComboLists::Clear::No);
    ComboLists::fill(Panel6->DBComboBox2, titles, ComboLists::Clear::No);
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    QWidget::closeEvent(event);
    // "Kapat" in the tray icon's menu closes a hidden window: the tray ends
    // the program then, and its icon goes with the window.
    DCMinTray1->OwnerClosed();
}

void TForm1::FormClose()
{
    SaveMainSettings();
}

void TForm1::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
}

void TForm1::reopenStaffOrdered()
{
    db::MainDatasets::replaceStatement(m_data->Query1, db::MainDatasets::staffOrdered());
}

void TForm1::AppIdle()
{
    using State = db::DatasetState;
    auto editing = [](const db::Dataset &ds) {
        return ds.state() == State::Edit || ds.state() == State::Insert;
    };
    Panel6->personel->BtnKaydet->setEnabled(editing(m_data->Query1));
    if (Panel4->RbKendi->isChecked() && Panel4->GroupBox1->height() != 54)
        Panel4->GroupBox1->resize(Panel4->GroupBox1->width(), 54);
    Panel6->aile->BtnKaydet->setEnabled(editing(m_data->QueryDetail));
    Panel6->yetkili->BtnKaydet->setEnabled(editing(m_data->Table1));
    Panel6->unvan->BtnKaydet->setEnabled(editing(m_data->TableUnvan));
    Panel6->saglik->BtnKaydet->setEnabled(editing(m_data->TableSKurum));

    ToolBtn1->setChecked(!Panel6->isVisibleTo(Panel3) && !Panel16->isVisibleTo(Panel3));
    ToolBtn2->setChecked(!Panel4->isVisibleTo(Panel3) && !Panel16->isVisibleTo(Panel3));
    ToolBtn3->setChecked(!Panel4->isVisibleTo(Panel3) && !Panel6->isVisibleTo(Panel3));

    Panel4->SpeedButton1->setEnabled(!Panel4->EdCikis->text().isEmpty());
    if (!settingsWindowActive())
        Panel1->SpeedButton2->setEnabled(optionTicked(&TAyarFrm::ChkArama));
    if (optionTicked(&TAyarFrm::ChkTarih) && !settingsWindowActive()) {
        const QString today = platform::shortDate(QDate::currentDate());
        if (Panel4->EdTarih->text() != today)
            Panel4->EdTarih->setText(today);
    }
    Panel4->BtnTarih->setEnabled(Panel4->EdTarih->text().isEmpty());
    ToolBtn3->setEnabled(!(AyarFrm && AyarFrm->RBtn1->isChecked()));
}

void TForm1::BilgiBari(const QString &longHint)
{
    StatusBar1->setPanelText(1, QLatin1Char(' ') + longHint);
}

void TForm1::showPanel(QWidget *panel)
{
    for (QWidget *p : {static_cast<QWidget *>(Panel4), static_cast<QWidget *>(Panel6),
                       static_cast<QWidget *>(Panel16)})
        if (p != panel)
            p->hide();
    panel->show();
}

void TForm1::ToolBtn1Click() { showPanel(Panel4); }
void TForm1::ToolBtn2Click() { showPanel(Panel6); }
void TForm1::ToolBtn3Click() { showPanel(Panel16); }

void TForm1::ToolBtn4Click()
{
    if (AyarFrm)
        AyarFrm->exec();
}

void TForm1::ToolBtn5Click()
{
    QPointer<TForm2> about = new TForm2(this);
    about->exec();
    delete about.data();
}

void TForm1::ToolBtn6Click() { close(); }

void TForm1::A1Click()
{
    DCMinTray1->RestoreFromTray();
}

void TForm1::TabSet1Change(int index)
{
    Panel6->Notebook1->setCurrentIndex(index);
}

void TForm1::DBGrid1Enter()
{
    Panel4->RbKendi->setChecked(true);
}

void TForm1::RbYakiniClick()
{
    QGroupBox *box = Panel4->GroupBox1;
    if (!m_data->QueryDetail.isEmpty()) {
        box->resize(box->width(), 112);
        Panel4->ComboBox1->setKeyValue(QString());
        return;
    }
    QMessageBox::information(this, QApplication::applicationName(),
                             s("Bu personelin bakmakla yükümlü olduğu kimse girilmemiş !"),
                             QMessageBox::Ok);
    box->resize(box->width(), 54);
    Panel4->RbKendi->setChecked(true);
}

void TForm1::BtnTarihClick()
{
    Panel4->EdTarih->setText(platform::shortDate(QDate::currentDate()));
}
