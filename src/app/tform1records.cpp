// The main window's handlers of the staff register and the record pages:
// search, sorting, the status text, display names and the page buttons.
#include "app/tform1.h"

#include "app/combolists.h"
#include "app/dataentrypanel.h"
#include "app/displaynames.h"
#include "app/panelstatusbar.h"
#include "app/recordpage.h"
#include "app/referralpanel.h"
#include "app/staffcolumn.h"
#include "app/titlesort.h"
#include "records/db/maindatasets.h"
#include "records/ui/dbcombobox.h"
#include "records/ui/tsrdbgrid.h"
#include "settings/tayarfrm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>

void TForm1::installDatasetHandlers()
{
    m_data->Query1.setBeforePost([this](db::Dataset &) { Query1BeforePost(); });
    m_data->Query1.setAfterScroll([this](db::Dataset &) { Query1AfterScroll(); });
    m_data->QueryDetail.setBeforePost([this](db::Dataset &) { QueryDetailBeforePost(); });
    m_data->Table1.setBeforePost([this](db::Dataset &) { Table1BeforePost(); });
}

void TForm1::Query1BeforePost()
{
    DisplayNames::givenNameFirst(m_data->Query1);
}

void TForm1::QueryDetailBeforePost()
{
    DisplayNames::surnameFirst(m_data->QueryDetail);
}

void TForm1::Table1BeforePost()
{
    DisplayNames::givenNameFirst(m_data->Table1);
}

void TForm1::Query1AfterScroll()
{
    // The status bar is built after the datasets are opened; the constructor
    // writes the first text once it exists.
    const db::Dataset &q = m_data->Query1;
    // Written only when a row becomes current: a search without a match
    // leaves the last count standing.
    if (!StatusBar1 || q.isEmpty())
        return;
    StatusBar1->setPanelText(0, QStringLiteral(" Personel Sayısı : %1 / %2")
                                    .arg(q.recordCount())
                                    .arg(q.recNo()));
}

void TForm1::Edit1Change(const QString &text)
{
    db::Dataset &staff = m_data->Query1;
    if (!text.isEmpty())
        staff.locate(QStringLiteral("Birlestir"), text, db::LocateMatch::Prefix);
    if (AyarFrm && AyarFrm->ChkArama->isChecked())
        m_data->filterStaff(text);
    if (text.isEmpty() && AyarFrm && AyarFrm->ChkSira->isChecked())
        reopenStaffOrdered();
}

void TForm1::SpeedButton2Click()
{
    Panel1->Edit1->clear();
}

void TForm1::DBGrid1TitleClick(const QString &column)
{
    db::Dataset &staff = m_data->Query1;
    staff.setSort(TitleSort::next(staff.sort(), column));
}

void TForm1::DBGrid1MouseMove(QPoint pos)
{
    TSrDBGrid *grid = Panel1->DBGrid1;
    const bool overTitle = grid->horizontalHeader()->isVisible()
                           && pos.y() <= grid->horizontalHeader()->geometry().bottom();
    grid->setCursor(overTitle ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TForm1::PBtnEkleClick() { Panel6->personel->ekle(); }
void TForm1::PBtnSilClick() { Panel6->personel->sil(); }
void TForm1::PBtnKaydetClick() { Panel6->personel->kaydet(); }
void TForm1::YBtnEkleClick() { Panel6->yetkili->ekle(); }
void TForm1::YBtnSilClick() { Panel6->yetkili->sil(); }
void TForm1::YBtnKaydetClick() { Panel6->yetkili->kaydet(); }
void TForm1::UBtnEkleClick() { Panel6->unvan->ekle(); }
void TForm1::UBtnSilClick() { Panel6->unvan->sil(); }
void TForm1::UBtnKaydetClick() { Panel6->unvan->kaydet(); }
void TForm1::ABtnEkleClick() { Panel6->aile->ekle(); }
void TForm1::ABtnSilClick() { Panel6->aile->sil(); }
void TForm1::ABtnKaydetClick() { Panel6->aile->kaydet(); }
void TForm1::SBtnEkleClick() { Panel6->saglik->ekle(); }
void TForm1::SBtnSilClick() { Panel6->saglik->sil(); }
void TForm1::SBtnKaydetClick() { Panel6->saglik->kaydet(); }

void TForm1::RefreshTitleLists()
{
    const QStringList titles =
        ComboLists::columnTexts(m_data->TableUnvan, QStringLiteral("Kategori"), FromRow::First);
    // The bound boxes keep showing their row's text; only the lists change.
    for (QComboBox *box : {static_cast<QComboBox *>(Panel6->DBComboBox1),
                           static_cast<QComboBox *>(Panel6->DBComboBox2)}) {
        const QString shown = box->currentText();
        ComboLists::fill(box, titles, ComboLists::Clear::Yes);
        const QSignalBlocker quiet(box);
        box->setEditText(shown);
    }
}

void TForm1::RefillHealthInstitutions()
{
    ComboLists::fill(Panel4->ComboBox2,
                     ComboLists::columnTexts(m_data->TableSKurum, QStringLiteral("SKurum"), FromRow::First),
                     ComboLists::Clear::Yes);
}
