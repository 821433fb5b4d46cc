#include "stats/statspanel.h"

#include "platform/localeformats.h"
#include "records/db/dataset.h"
#include "records/db/maindatasets.h"
#include "records/ui/datasource.h"
#include "records/ui/guardedslot.h"
#include "records/ui/hinttext.h"
#include "records/ui/tsrdbgrid.h"
#include "stats/listoutput.h"
#include "stats/tform3.h"

#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

constexpr int Gap = 5;
constexpr int BarHeight = 18;
constexpr int FilterHeight = 71;
constexpr int CountsWidth = 149;
constexpr int BottomHeight = 42;

// The grey bar on top of a list, holding its labels.
QWidget *greyBar(QWidget *parent, const char *name)
{
    auto *bar = new QWidget(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setAutoFillBackground(true);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    bar->setPalette(pal);
    return bar;
}

QLabel *barLabel(QWidget *bar, const char *name, const char *text, QPoint at, const QColor &colour,
                 bool bold)
{
    auto *label = new QLabel(s(text), bar);
    label->setObjectName(QString::fromLatin1(name));
    QFont f = label->font();
    f.setBold(bold);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    label->move(at);
    label->adjustSize();
    return label;
}

QPushButton *flatButton(QWidget *parent, const char *name, const char *text, QRect r)
{
    auto *b = new QPushButton(s(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setFlat(true);
    b->setGeometry(r);
    return b;
}

QDateEdit *datePicker(QWidget *parent, const char *name, QDate date, QRect r)
{
    auto *picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(platform::shortDateFormat());
    picker->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    picker->setCalendarPopup(false);
    picker->setDate(date);
    picker->setGeometry(r);
    return picker;
}

} // namespace

StatsPanel::StatsPanel(const Sources &sources, const Lists &lists, QWidget *parent)
    : BevelPanel(parent, Bevel::Lowered, Bevel::Raised, Gap), m_sources(sources),
      m_statsQuery(sources.stats->dataset()), m_lists(lists)
{
    setObjectName(QStringLiteral("Panel16"));
    buildFilterBox();
    buildList();
    buildCounts();
    buildButtons();

    stats().setAfterScroll([this](db::Dataset &) { QIstatistikAfterScroll(); });
    QIstatistikAfterScroll();
}

StatsPanel::~StatsPanel()
{
    m_statsQuery->setAfterScroll({});
}

db::Dataset &StatsPanel::staff() const
{
    return *m_sources.staff->dataset();
}

db::Dataset &StatsPanel::stats() const
{
    return *m_statsQuery;
}

void StatsPanel::buildFilterBox()
{
    Panel25 = new BevelPanel(this, Bevel::Lowered, Bevel::None);
    Panel25->setObjectName(QStringLiteral("Panel25"));
    Label34 = new QLabel(s("İki tarih arasında alınan sevkleri bul"), Panel25);
    Label34->setObjectName(QStringLiteral("Label34"));
    Label34->move(16, 4);
    Label34->adjustSize();
    DateTimePicker1 = datePicker(Panel25, "DateTimePicker1", QDate(2005, 7, 18), {16, 20, 97, 21});
    DateTimePicker2 = datePicker(Panel25, "DateTimePicker2", QDate::currentDate(), {120, 20, 97, 21});
    Button1 = flatButton(Panel25, "Button1", "Filtrele", {16, 44, 97, 21});
    Button3 = flatButton(Panel25, "Button3", "Listele", {120, 44, 97, 21});
    connectGuarded(Button1, &QPushButton::clicked, this, &StatsPanel::Button1Click);
    connectGuarded(Button3, &QPushButton::clicked, this, &StatsPanel::Button3Click);
}

void StatsPanel::buildList()
{
    Panel18 = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    Panel18->setObjectName(QStringLiteral("Panel18"));
    QWidget *bar = greyBar(Panel18, "Panel19");
    const int inset = Panel18->inset();
    bar->move(inset, inset);
    Label31 = barLabel(bar, "Label31", "...", {5, 4}, QColor(0xC0, 0xC0, 0xC0), true);
    Label33 = barLabel(bar, "Label33", "[...]", {184, 4}, Qt::white, true);

    SrDBGrid2 = new TSrDBGrid(Panel18);
    SrDBGrid2->setObjectName(QStringLiteral("SrDBGrid2"));
    SrDBGrid2->setDataSource(m_sources.stats);
    SrDBGrid2->addColumn(QStringLiteral("Tarih"), s("Aldığı Tarih"), 95);
    SrDBGrid2->addColumn(QStringLiteral("SevkAlan"), s("Kim İçin"), 57);
    SrDBGrid2->addColumn(QStringLiteral("Turu"), s("Türü"), 57);
    SrDBGrid2->setTitleRow(false);
    SrDBGrid2->setLines(false);
    SrDBGrid2->setFrameShape(QFrame::NoFrame);
    SrDBGrid2->setColor(Qt::white);
    SrDBGrid2->setColorAlternative(Qt::white);
    SrDBGrid2->setColorSelect(TSrDBGrid::colour(0xF0CAA6));
    SrDBGrid2->setColorSelectText(TSrDBGrid::colour(0xFF0000));
    // The long hint goes to the status bar; the list shows no tool tip.
    hinttext::apply(SrDBGrid2, s("Kayıtları diüzenlemek için çift tıkla."), ShowTip::No);
    SrDBGrid2->viewport()->installEventFilter(this);
}

void StatsPanel::buildCounts()
{
    Panel20 = new BevelPanel(this, Bevel::Lowered, Bevel::None);
    Panel20->setObjectName(QStringLiteral("Panel20"));
    QWidget *bar = greyBar(Panel20, "Panel21");
    const int inset = Panel20->inset();
    bar->move(inset, inset);
    Label32 = barLabel(bar, "Label32", "Alınan Sevk Sayıları:", {2, 3}, Qt::white, false);

    SrDBGrid1 = new TSrDBGrid(Panel20);
    SrDBGrid1->setObjectName(QStringLiteral("SrDBGrid1"));
    SrDBGrid1->setDataSource(m_sources.counts);
    SrDBGrid1->addColumn(QStringLiteral("Birlestir"), QString(), 100);
    SrDBGrid1->addColumn(QStringLiteral("Adet"), QString(), 25);
    SrDBGrid1->setTitleRow(false);
    // The counts are for reading: Ctrl+Delete here would delete the staff member.
    SrDBGrid1->setReadOnly(true);
    SrDBGrid1->setLines(false);
    SrDBGrid1->setFrameShape(QFrame::NoFrame);
    const QColor face = palette().color(QPalette::Button);
    SrDBGrid1->setColor(face);
    SrDBGrid1->setColorAlternative(face);
    SrDBGrid1->setColorSelect(face);
    SrDBGrid1->setColorSelectText(QColor(0x80, 0x80, 0x80));
    QPalette pal = SrDBGrid1->palette();
    pal.setColor(QPalette::Text, QColor(0x80, 0x80, 0x80));
    SrDBGrid1->setPalette(pal);
}

void StatsPanel::buildButtons()
{
    Panel26 = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    Panel26->setObjectName(QStringLiteral("Panel26"));
    BitBtn1 = new QPushButton(s("Tümünü Yazdır"), Panel26);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(8, 8, 105, 25);
    BitBtn2 = new QPushButton(s("Kişisel Yazdır"), Panel26);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(120, 8, 105, 25);
    Button4 = new QPushButton(s("Tamam"), Panel26);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setGeometry(296, 8, 75, 25);
    connectGuarded(BitBtn1, &QPushButton::clicked, this, &StatsPanel::BitBtn1Click);
    connectGuarded(BitBtn2, &QPushButton::clicked, this, &StatsPanel::BitBtn2Click);
}

void StatsPanel::resizeEvent(QResizeEvent *event)
{
    BevelPanel::resizeEvent(event);
    layoutParts();
}

void StatsPanel::layoutParts()
{
    // Bottom bar, then the counts on the right, then the filter box on top of
    // the left part and the list filling the rest; 5 pixels between parts.
    const QRect r = contentsRect();
    Panel26->setGeometry(r.left(), r.bottom() + 1 - BottomHeight, r.width(), BottomHeight);
    const int upperHeight = r.height() - BottomHeight - Gap;
    Panel20->setGeometry(r.right() + 1 - CountsWidth, r.top(), CountsWidth, upperHeight);
    const int leftWidth = r.width() - CountsWidth - Gap;
    Panel25->setGeometry(r.left(), r.top(), leftWidth, FilterHeight);
    Panel18->setGeometry(r.left(), r.top() + FilterHeight + Gap, leftWidth,
                         upperHeight - FilterHeight - Gap);

    for (BevelPanel *part : {Panel18, Panel20}) {
        const QRect inner = part->contentsRect();
        QWidget *bar = part->findChild<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        bar->setGeometry(inner.left(), inner.top(), inner.width(), BarHeight);
        TSrDBGrid *grid = part == Panel18 ? SrDBGrid2 : SrDBGrid1;
        grid->setGeometry(inner.left(), inner.top() + BarHeight, inner.width(),
                          inner.height() - BarHeight);
    }
}

bool StatsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SrDBGrid2->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        ErrorBox::guard([this] { SrDBGrid2DblClick(); });
        return true;
    }
    return BevelPanel::eventFilter(watched, event);
}

void StatsPanel::QIstatistikAfterScroll()
{
    const db::Dataset &staffList = staff();
    const db::Field *name = staffList.isActive() ? staffList.findField(QStringLiteral("Birlestir")) : nullptr;
    Label31->setText(name && name->isBound() && !staffList.isEmpty() ? name->displayText() : QString());
    Label31->adjustSize();
    Label33->setText(QStringLiteral("[ %1 ]").arg(stats().isActive() ? stats().recordCount() : 0));
    Label33->adjustSize();
}

void StatsPanel::Button1Click()
{
    db::Dataset &ds = stats();
    ds.checkBrowseMode();
    ds.close();
    ds.setSql(db::MainDatasets::statsFiltered());
    ds.setParam(QStringLiteral("tarih1"), platform::shortDate(DateTimePicker1->date()));
    ds.setParam(QStringLiteral("tarih2"), platform::shortDate(DateTimePicker2->date()));
    ds.open();
}

void StatsPanel::Button3Click()
{
    db::MainDatasets::replaceStatement(stats(), db::MainDatasets::statsUnfiltered());
}

void StatsPanel::SrDBGrid2DblClick()
{
    if (!Form3)
        return;
    Form3->Label5->setText(Label31->text());
    Form3->exec();
}

void StatsPanel::BitBtn1Click()
{
    ListOutput::output(m_lists.RpDetay);
}

void StatsPanel::BitBtn2Click()
{
    // The report rebuilds its objects after every run: find the memo anew.
    ListOutput::writeMemo(m_lists.RpKisisel, QStringLiteral("MAd"), Label31->text());
    ListOutput::output(m_lists.RpKisisel);
}
