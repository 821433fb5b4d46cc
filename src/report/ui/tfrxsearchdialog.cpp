#include "report/ui/tfrxsearchdialog.h"
#include "report/ui/frxplacewidget.h"

#include "report/base/tfrxresources.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString &lastConfirmed()
{
    static QString text;
    return text;
}

} // namespace

TfrxSearchDialog::TfrxSearchDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrxSearchDialog"));
    setModal(true);
    QFont f = QApplication::font();
    f.setPointSize(8);
    setFont(f);

    m_textL = frxPlaceWidget<QLabel>(this, "TextL", QRect(8, 8, 220, 16));
    m_textE = frxPlaceWidget<QLineEdit>(this, "TextE", QRect(8, 26, 250, 21));
    // The replace row exists for the engine's texts but is never offered.
    m_replaceL = frxPlaceWidget<QLabel>(this, "ReplaceL", QRect(8, 52, 220, 16));
    m_replaceE = frxPlaceWidget<QLineEdit>(this, "ReplaceE", QRect(8, 70, 250, 21));
    m_replaceL->hide();
    m_replaceE->hide();
    m_optionsGB = frxPlaceWidget<QGroupBox>(this, "OptionsGB", QRect(8, 54, 250, 62));
    m_topCB = frxPlaceWidget<QCheckBox>(m_optionsGB, "TopCB", QRect(10, 18, 230, 18));
    m_caseCB = frxPlaceWidget<QCheckBox>(m_optionsGB, "CaseCB", QRect(10, 38, 230, 18));
    m_okB = frxPlaceWidget<QPushButton>(this, "OkB", QRect(102, 124, 75, 25));
    m_okB->setDefault(true);
    m_cancelB = frxPlaceWidget<QPushButton>(this, "CancelB", QRect(183, 124, 75, 25));
    setFixedSize(266, 157);

    connect(m_okB, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelB, &QPushButton::clicked, this, &QDialog::reject);
    frxResources()->LocalizeWindow(this, QStringLiteral("TfrxSearchDialog"));
    m_textE->setText(lastConfirmed());
}

QString TfrxSearchDialog::SearchText() const { return m_textE->text(); }
bool TfrxSearchDialog::FromTop() const { return m_topCB->isChecked(); }
bool TfrxSearchDialog::MatchCase() const { return m_caseCB->isChecked(); }
QString TfrxSearchDialog::LastText() { return lastConfirmed(); }
void TfrxSearchDialog::SetLastText(const QString &text) { lastConfirmed() = text; }

void TfrxSearchDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_textE->setFocus();
    m_textE->selectAll();
}

void TfrxSearchDialog::accept()
{
    lastConfirmed() = m_textE->text();
    QDialog::accept();
}
