#include "app/recordpage.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/dbcombobox.h"
#include "records/ui/dbedit.h"
#include "records/ui/dblookuplistbox.h"
#include "settings/turkishtextrules.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

RecordPage::RecordPage(const PageLayout &layout, DataSource *source, QWidget *parent)
    : BevelPanel(parent, Bevel::Lowered, Bevel::Raised), m_layout(layout), m_source(source)
{
    setObjectName(layout.panelName);
    setFixedSize(384, 240);

    for (const PageField &f : layout.fields)
        m_fields.push_back(buildField(f));

    auto button = [this](const QString &name, const QString &caption, int left) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(m_layout.buttonPrefix + name);
        b->setGeometry(left, 200, 75, 25);
        return b;
    };
    BtnEkle = button(QStringLiteral("BtnEkle"), QStringLiteral("Ekle"), 136);
    BtnSil = button(QStringLiteral("BtnSil"), QStringLiteral("Sil"), 216);
    BtnKaydet = button(QStringLiteral("BtnKaydet"), QStringLiteral("Kaydet"), 296);

    if (!layout.listName.isEmpty()) {
        m_list = new DBLookupListBox(this);
        m_list->setObjectName(layout.listName);
        m_list->setGeometry(layout.listAt.x(), layout.listAt.y(), 129, 121);
        m_list->setListSource(source, layout.displayColumn);
    }

    std::vector<QWidget *> chain(m_fields.begin(), m_fields.end());
    if (layout.buttonOrder == ButtonOrder::EkleSilKaydet)
        chain.insert(chain.end(), {BtnEkle, BtnSil, BtnKaydet});
    else
        chain.insert(chain.end(), {BtnKaydet, BtnEkle, BtnSil});
    if (m_list)
        chain.push_back(m_list);
    for (size_t i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QWidget *RecordPage::buildField(const PageField &f)
{
    auto *label = new QLabel(f.label, this);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    if (f.labelPlace == LabelPlace::Left) {
        const int width = std::min(f.at.x() - 8, 104);
        label->setGeometry(f.at.x() - 4 - width, f.at.y() + 4, width, 14);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        label->setGeometry(f.at.x(), f.at.y() - 16, f.width + 60, 14);
    }

    QWidget *control = nullptr;
    if (f.kind == FieldKind::ComboBox) {
        auto *combo = new DBComboBox(this);
        combo->bind(m_source, f.column);
        installCp1254Filter(combo->lineEdit());
        control = combo;
    } else {
        auto *edit = new DBEdit(this);
        edit->bind(m_source, f.column, f.maxLength);
        switch (f.rule) {
        case KeyRule::TitleCase: installTextRule(edit, TextRule::TitleCase); break;
        case KeyRule::Capitals: installTextRule(edit, TextRule::Capitals); break;
        case KeyRule::None: installCp1254Filter(edit); break;
        }
        control = edit;
    }
    control->setObjectName(f.name);
    control->setGeometry(f.at.x(), f.at.y(), f.width, 21);
    if (f.bold) {
        QFont bold = control->font();
        bold.setBold(true);
        control->setFont(bold);
        label->setFont(bold);
    }
    return control;
}

QWidget *RecordPage::field(const QString &name) const
{
    for (QWidget *w : m_fields)
        if (w->objectName() == name)
            return w;
    return nullptr;
}

QWidget *RecordPage::lastInTabOrder() const
{
    if (m_list)
        return m_list;
    return m_layout.buttonOrder == ButtonOrder::EkleSilKaydet ? BtnKaydet : BtnSil;
}

QString RecordPage::deleteQuestion(const QString &displayText, const QString &ending)
{
    QString quoted = displayText;
    quoted.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + quoted + QLatin1Char('\'') + ending;
}

void RecordPage::ekle()
{
    firstField()->setFocus();
    m_source->dataset()->append();
}

void RecordPage::sil()
{
    db::Dataset *ds = m_source->dataset();
    const QString shown = ds->isEmpty() ? QString() : ds->fieldByName(m_layout.displayColumn).displayText();
    const auto answer = QMessageBox::warning(window(), QStringLiteral("Uyarı"),
                                             deleteQuestion(shown, m_layout.question),
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes)
        ds->deleteRecord();
    if (m_afterChange)
        m_afterChange();
}

void RecordPage::kaydet()
{
    m_source->dataset()->post();
    if (m_afterChange)
        m_afterChange();
}
