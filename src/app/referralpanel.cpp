#include "app/referralpanel.h"

#include "app/appicons.h"
#include "records/ui/dbedit.h"
#include "records/ui/dblookupcombobox.h"
#include "records/ui/hinttext.h"
#include "settings/turkishtextrules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <algorithm>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QFrame *framedBox(QWidget *parent, QRect r)
{
    auto *box = new QFrame(parent);
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Sunken);
    box->setGeometry(r);
    return box;
}

QToolButton *speedButton(QWidget *parent, const char *name, Glyph glyph, const char *hint, QPoint at)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(AppIcons::glyph(glyph));
    b->setIconSize({16, 16});
    b->setGeometry(at.x(), at.y(), 20, 21);
    hinttext::apply(b, s(hint), ShowTip::Yes);
    return b;
}

} // namespace

ReferralPanel::ReferralPanel(DataSource *staff, DataSource *dependants, DataSource *signatories,
                             QWidget *parent)
    : BevelPanel(parent, Bevel::Lowered, Bevel::Raised), m_staff(staff)
{
    setObjectName(QStringLiteral("Panel4"));

    DBEdit1 = staffField("DBEdit1", "Adı Soyadı :", "Birlestir", {104, 24}, 121, 92);
    DBEdit3 = staffField("DBEdit3", "Görevi :", "Gorevi", {104, 48}, 121, 92);
    DBEdit2 = staffField("DBEdit2", "T.C Kimlik No :", "TCKimlik", {104, 72}, 121, 92);
    DBEdit4 = staffField("DBEdit4", "Sicil No :", "SicilNo", {296, 24}, 89, 67);
    DBEdit5 = staffField("DBEdit5", "K. Derecesi :", "KadroDerece", {296, 48}, 89, 67);
    DBEdit20 = staffField("DBEdit20", "Emekli Sicil :", "TCVergi", {296, 72}, 89, 67);
    DBEdit23 = staffField("DBEdit23", "S. Karne No :", "YedekAlan1", {296, 96}, 89, 67);

    // Frames first so that the controls placed over them stay on top.
    framedBox(this, {160, 136, 233, 129})->setObjectName(QStringLiteral("Bevel1"));
    framedBox(this, {16, 277, 377, 41})->setObjectName(QStringLiteral("Bevel2"));

    GroupBox1 = new QGroupBox(s(" Sevk Alan "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(16, 131, 137, 102);
    RbKendi = new QRadioButton(s("Kendisi"), GroupBox1);
    RbKendi->setObjectName(QStringLiteral("RbKendi"));
    RbKendi->setGeometry(18, 18, 100, 17);
    RbKendi->setChecked(true);
    RbYakini = new QRadioButton(s("Yakını"), GroupBox1);
    RbYakini->setObjectName(QStringLiteral("RbYakini"));
    RbYakini->setGeometry(18, 34, 100, 17);
    LblYakin = new QLabel(s("Aile yakını seçin"), GroupBox1);
    LblYakin->setObjectName(QStringLiteral("Label9"));
    LblYakin->setGeometry(8, 70, 121, 13);
    ComboBox1 = new DBLookupComboBox(GroupBox1);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setGeometry(8, 83, 121, 21);
    ComboBox1->setListSource(dependants, QStringLiteral("Birlestir"));

    label(s("K. K. Çıkış Tar :"), {164, 163, 88, 14});
    EdTarih = new QLineEdit(this);
    EdTarih->setObjectName(QStringLiteral("EdTarih"));
    EdTarih->setGeometry(256, 160, 89, 21);
    EdTarih->setMaxLength(10);
    installTextRule(EdTarih, TextRule::TitleCase);
    BtnTarih = speedButton(this, "BtnTarih", Glyph::Date,
                           "Tarih Gir|Bugünün tarihi. (Manuel tarih girişinde aktif)", {348, 160});

    label(s("K. K. Çıkış No :"), {164, 187, 88, 14});
    EdCikis = new ExitNumberEdit(this);
    EdCikis->setObjectName(QStringLiteral("EdCikis"));
    EdCikis->setGeometry(256, 184, 89, 21);
    installTextRule(EdCikis, TextRule::TitleCase);
    SpeedButton1 = speedButton(this, "SpeedButton1", Glyph::NextNumber,
                               "Sonraki No|Kurum kayıt çıkış no'yu bir arttırır", {348, 184});

    label(s("Onaylayan :"), {164, 219, 88, 14});
    DBLookupComboBox2 = new DBLookupComboBox(this);
    DBLookupComboBox2->setObjectName(QStringLiteral("DBLookupComboBox2"));
    DBLookupComboBox2->setGeometry(256, 216, 121, 21);
    DBLookupComboBox2->setListSource(signatories, QStringLiteral("Birlestir"));

    label(s("Sağlık Kuruluşu :"), {164, 243, 88, 14});
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    ComboBox2->setGeometry(256, 240, 121, 21);
    installCp1254Filter(ComboBox2->lineEdit());

    ChkBos = new QCheckBox(s("Boş Sevk Formu"), this);
    ChkBos->setObjectName(QStringLiteral("ChkBos"));
    ChkBos->setGeometry(32, 289, 130, 17);

    BtnHasta = new QPushButton(AppIcons::glyph(Glyph::PatientForm), s("Hasta Sevki"), this);
    BtnHasta->setObjectName(QStringLiteral("BtnHasta"));
    BtnHasta->setGeometry(176, 285, 97, 25);
    BtnDis = new QPushButton(AppIcons::glyph(Glyph::DentalForm), s("   Diş Sevki"), this);
    BtnDis->setObjectName(QStringLiteral("BtnDis"));
    BtnDis->setGeometry(280, 285, 97, 25);

    const QWidget *order[] = {EdTarih, EdCikis, RbKendi, RbYakini, DBLookupComboBox2,
                              BtnHasta, BtnDis, ComboBox2, ChkBos};
    for (size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget *>(order[i - 1]), const_cast<QWidget *>(order[i]));
}

DBEdit *ReferralPanel::staffField(const char *name, const char *text, const char *column, QPoint at,
                                  int width, int labelWidth)
{
    label(s(text), {at.x() - 4 - labelWidth, at.y() + 4, labelWidth, 14});
    auto *edit = new DBEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->bind(m_staff, QString::fromLatin1(column));
    edit->setGeometry(at.x(), at.y(), width, 21);
    edit->setReadOnlyField();
    return edit;
}

QLabel *ReferralPanel::label(const QString &text, QRect r)
{
    auto *l = new QLabel(text, this);
    l->setGeometry(r);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

ExitNumberEdit::ExitNumberEdit(QWidget *parent) : QLineEdit(parent)
{
    setMaxLength(TypedLength);
    // Once a long number is shortened (or cleared) the limit follows it back
    // down, never below the typing limit. Lowering the limit puts the text back
    // unchanged, which moves the cursor to the end: it is put where it was.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) {
        const int limit = std::max(TypedLength, int(text.size()));
        if (limit < maxLength()) {
            const int cursor = cursorPosition();
            setMaxLength(limit);
            setCursorPosition(cursor);
        }
    });
}

void ExitNumberEdit::setText(const QString &text)
{
    const int limit = std::max(TypedLength, int(text.size()));
    if (limit > maxLength())
        setMaxLength(limit);
    QLineEdit::setText(text);
}
