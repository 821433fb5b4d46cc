#include "app/dataentrypanel.h"

#include "app/pagelayouts.h"
#include "app/recordpage.h"
#include "records/ui/dbcombobox.h"
#include "records/ui/dblookupcombobox.h"
#include "settings/turkishtextrules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

namespace {
QString s(const char *utf8) { return QString::fromUtf8(utf8); }
} // namespace

DataEntryPanel::DataEntryPanel(const DataEntrySources &src, QWidget *parent)
    : BevelPanel(parent, Bevel::Lowered, Bevel::Raised, 5)
{
    setObjectName(QStringLiteral("Panel6"));

    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setCursor(Qt::PointingHandCursor);
    TabSet1->setExpanding(false);
    TabSet1->setDrawBase(false);
    TabSet1->setFocusPolicy(Qt::NoFocus);
    // Six tabs share the panel's width, as compact as the office knows them.
    TabSet1->setUsesScrollButtons(false);
    TabSet1->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 2px 3px; min-width: 0px; border: 1px solid transparent; }"
        "QTabBar::tab:selected { background: palette(base); border-color: palette(mid); }"));
    for (const char *tab : {" Personel ", " Yetkili ", " Kurum ", " Ünvanlar ", " Aile Bireyleri ",
                            " Sağlık Kurumları "})
        TabSet1->addTab(s(tab));

    Notebook1 = new QStackedWidget(this);
    Notebook1->setObjectName(QStringLiteral("Notebook1"));

    personel = new RecordPage(pagelayouts::personel(), src.staff);
    yetkili = new RecordPage(pagelayouts::yetkili(), src.signatories);
    unvan = new RecordPage(pagelayouts::unvan(), src.titles);
    aile = new RecordPage(pagelayouts::aile(), src.dependants);
    saglik = new RecordPage(pagelayouts::saglik(), src.healthInstitutions);
    Panel12 = institutionPanel();
    DBComboBox1 = static_cast<DBComboBox *>(personel->field(QStringLiteral("DBComboBox1")));
    DBComboBox2 = static_cast<DBComboBox *>(yetkili->field(QStringLiteral("DBComboBox2")));

    auto *chooserLabel = new QLabel(s("Bakmakla yükümlü olan kişiyi seçin"), aile);
    chooserLabel->setGeometry(40, 12, 193, 14);
    DBLCBox = new DBLookupComboBox(aile);
    DBLCBox->setObjectName(QStringLiteral("DBLCBox"));
    DBLCBox->setGeometry(40, 28, 193, 21);
    DBLCBox->setListSource(src.staff, QStringLiteral("Birlestir"));
    QWidget::setTabOrder(aile->lastInTabOrder(), DBLCBox);

    Notebook1->addWidget(page(QStringLiteral("Personel"), personel));
    Notebook1->addWidget(page(QStringLiteral("Yetkili"), yetkili));
    Notebook1->addWidget(page(QStringLiteral("Kurum"), Panel12));
    Notebook1->addWidget(page(QStringLiteral("Unvan"), unvan));
    Notebook1->addWidget(page(QStringLiteral("Aile"), aile));
    Notebook1->addWidget(page(QStringLiteral("Saglik"), saglik));

    m_bottomBar = new QWidget(this);
    m_bottomBar->setObjectName(QStringLiteral("Panel7"));
    Button2 = new QPushButton(s("Tamam"), m_bottomBar);
    Button2->setObjectName(QStringLiteral("Button2"));
}

QWidget *DataEntryPanel::page(const QString &name, QWidget *content)
{
    auto *p = new QWidget;
    p->setObjectName(name);
    content->setParent(p);
    content->move(5, 5);
    return p;
}

BevelPanel *DataEntryPanel::institutionPanel()
{
    auto *panel = new BevelPanel(nullptr, Bevel::Lowered, Bevel::Raised);
    panel->setObjectName(QStringLiteral("Panel12"));
    panel->setFixedSize(384, 240);
    auto field = [panel](const char *name, const char *text, int top) {
        auto *label = new QLabel(s(text), panel);
        label->setGeometry(8, top + 4, 92, 14);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *edit = new QLineEdit(panel);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(104, top, 265, 21);
        installTextRule(edit, TextRule::TitleCase);
        return edit;
    };
    EdKurum1 = field("EdKurum1", "Kurum Adı :", 80);
    EdAdres1 = field("EdAdres1", "Kurum Adresi :", 112);
    QWidget::setTabOrder(EdKurum1, EdAdres1);
    return panel;
}

void DataEntryPanel::resizeEvent(QResizeEvent *event)
{
    BevelPanel::resizeEvent(event);
    const QRect r = contentsRect();
    TabSet1->setGeometry(r.left(), r.top(), r.width(), 21);
    const int barTop = r.bottom() + 1 - 42;
    Notebook1->setGeometry(r.left(), r.top() + 21, r.width(), barTop - 5 - (r.top() + 21));
    m_bottomBar->setGeometry(r.left(), barTop, r.width(), 42);
    Button2->setGeometry(r.width() - 75 - 8, 9, 75, 25);
}
