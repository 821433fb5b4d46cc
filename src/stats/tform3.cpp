#include "stats/tform3.h"

#include "records/db/dataset.h"
#include "records/ui/bevelpanel.h"
#include "records/ui/datasource.h"
#include "records/ui/dbedit.h"
#include "records/ui/errorbox.h"
#include "records/ui/programfont.h"
#include "settings/turkishtextrules.h"
#include "stats/dbdateedit.h"
#include "stats/dbnavigator.h"

#include <QLabel>

TForm3 *Form3 = nullptr;

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

constexpr int Border = 5;
// Captions end a few pixels before the edits that follow them.
constexpr int CaptionRight = 157;

} // namespace

TForm3::TForm3(DataSource *stats, db::Dataset &counts, QWidget *parent)
    : QDialog(parent), m_counts(counts)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(s("İstatistik Kayıtları"));
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFont(ProgramFont::standard());
    setModal(true);
    setFixedSize(361, 206);

    Panel1 = new BevelPanel(this, Bevel::Lowered, Bevel::Raised);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(Border, Border, width() - 2 * Border, height() - 2 * Border);

    caption("Personel :", 111, 40);
    Label5 = new QLabel(Panel1);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont bold = font();
    bold.setBold(true);
    Label5->setFont(bold);
    Label5->setGeometry(160, 40, 180, 13);

    caption("Sevk Tarihi :", 98, 86);
    DBEdit1 = new DBDateEdit(Panel1);
    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    DBEdit1->setGeometry(160, 80, 121, 21);
    DBEdit1->setMaxLength(19);
    DBEdit1->bind(stats, QStringLiteral("Tarih"));

    caption("Hasta (Kendisi/Yakını) :", 47, 110);
    DBEdit2 = new DBEdit(Panel1);
    DBEdit2->setObjectName(QStringLiteral("DBEdit2"));
    DBEdit2->setGeometry(160, 104, 121, 21);
    DBEdit2->bind(stats, QStringLiteral("SevkAlan"));
    installCp1254Filter(DBEdit2);

    caption("Sevk Türü :", 102, 134);
    DBEdit3 = new DBEdit(Panel1);
    DBEdit3->setObjectName(QStringLiteral("DBEdit3"));
    DBEdit3->setGeometry(160, 128, 121, 21);
    DBEdit3->bind(stats, QStringLiteral("Turu"));
    installCp1254Filter(DBEdit3);

    DBNavigator1 = new DBNavigator(Panel1);
    DBNavigator1->setObjectName(QStringLiteral("DBNavigator1"));
    DBNavigator1->setGeometry(80, 160, 200, 25);
    DBNavigator1->setDataSource(stats);
    DBNavigator1->setHints({s("İlk Kayıt"), s("Önceki Kayıt"), s("Sonraki Kayıt"), s("Son Kayıt"),
                            s("Yeni Ekle"), s("Kayıt Sil"), s("Kaydet"), s("İptal")});
    DBNavigator1->setUpdateRecord([this] {
        try {
            DBEdit1->updateRecord();
        } catch (...) {
            DBEdit1->setFocus(Qt::OtherFocusReason);
            throw;
        }
    });

    if (!Form3)
        Form3 = this;
}

TForm3::~TForm3()
{
    if (Form3 == this)
        Form3 = nullptr;
}

QLabel *TForm3::caption(const char *text, int left, int top)
{
    auto *label = new QLabel(s(text), Panel1);
    label->setGeometry(left, top, CaptionRight - left, 13);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void TForm3::done(int result)
{
    // A date that is no date keeps the window open, its text in the box.
    if (!DBEdit1->tryUpdateRecord())
        return;
    QDialog::done(result);
    FormClose();
}

void TForm3::FormClose()
{
    ErrorBox::guard([this] {
        m_counts.close();
        m_counts.open();
    });
}
