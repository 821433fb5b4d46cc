#include "app/staffcolumn.h"

#include "app/appicons.h"
#include "records/ui/hinttext.h"
#include "records/ui/tsrdbgrid.h"
#include "settings/turkishtextrules.h"

#include <QLineEdit>
#include <QToolButton>

StaffColumn::StaffColumn(DataSource *staff, QWidget *parent)
    : BevelPanel(parent, Bevel::None, Bevel::None, 4)
{
    setObjectName(QStringLiteral("Panel1"));

    Panel5 = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    Panel5->setObjectName(QStringLiteral("Panel5"));
    Edit1 = new QLineEdit(Panel5);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(9, 8, 137, 21);
    installTextRule(Edit1, TextRule::TitleCase);
    SpeedButton2 = new QToolButton(Panel5);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setAutoRaise(true);
    SpeedButton2->setFocusPolicy(Qt::NoFocus);
    SpeedButton2->setIcon(AppIcons::glyph(Glyph::List));
    SpeedButton2->setGeometry(149, 8, 20, 20);
    hinttext::apply(SpeedButton2,
                    QStringLiteral("Listele|Kayıtları listele (Filtreli arama yapıldığında aktif)"),
                    ShowTip::Yes);

    DBGrid1 = new TSrDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setDataSource(staff);
    DBGrid1->addColumn(QStringLiteral("Birlestir"), QStringLiteral(" Adı Soyadı"), 156);
    DBGrid1->setColor(TSrDBGrid::colour(0xFFFFFF));
    DBGrid1->setColorAlternative(TSrDBGrid::colour(14675694));
    DBGrid1->setColorSelect(TSrDBGrid::colour(0xF0CAA6));
    DBGrid1->setColorSelectText(Qt::black);
}

void StaffColumn::resizeEvent(QResizeEvent *event)
{
    BevelPanel::resizeEvent(event);
    const QRect r = contentsRect();
    Panel5->setGeometry(r.left(), r.top(), r.width(), 36);
    DBGrid1->setGeometry(r.left(), r.top() + 36 + 5, r.width(), r.height() - 36 - 5);
}
