#include "report/ui/tfrxpagesettingsform.h"
#include "report/ui/frxplacewidget.h"

#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/tfrxresources.h"
#include "report/model/tfrxreportpage.h"
#include "report/output/tfrxcustomprinter.h"
#include "report/output/tfrxprinters.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>

namespace {

// A sheet with a few lines of text on it, upright or lying.
QPixmap sheetPicture(bool landscape)
{
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    const QRect sheet = landscape ? QRect(4, 12, 40, 28) : QRect(10, 4, 28, 40);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(sheet);
    p.setPen(QColor(0, 0, 128));
    for (int y = sheet.top() + 5; y < sheet.bottom() - 3; y += 4)
        p.drawLine(sheet.left() + 4, y, sheet.right() - 4, y);
    return pm;
}

} // namespace

TfrxPageSettingsForm::TfrxPageSettingsForm(QWidget *parent, TfrxCustomPrinter *printer)
    : QDialog(parent), m_printer(printer ? printer : PrinterList()->Current())
{
    setObjectName(QStringLiteral("TfrxPageSettingsForm"));
    setModal(true);
    QFont f = QApplication::font();
    f.setPointSize(8);
    setFont(f);
    setFixedSize(286, 359);
    createControls();
    frxResources()->LocalizeWindow(this, QStringLiteral("TfrxPageSettingsForm"));
}

void TfrxPageSettingsForm::createControls()
{
    m_sizeGB = frxPlaceWidget<QGroupBox>(this, "SizeGB", QRect(8, 4, 270, 110));
    m_paperCB = frxPlaceWidget<QComboBox>(m_sizeGB, "PaperCB", QRect(12, 20, 246, 22));
    m_paperCB->setEditable(true);
    m_paperCB->setInsertPolicy(QComboBox::NoInsert);
    m_widthL = frxPlaceWidget<QLabel>(m_sizeGB, "WidthL", QRect(12, 54, 70, 16));
    m_widthE = frxPlaceWidget<QLineEdit>(m_sizeGB, "WidthE", QRect(90, 51, 60, 21));
    frxPlaceWidget<QLabel>(m_sizeGB, "UnitL1", QRect(156, 54, 24, 16));
    m_heightL = frxPlaceWidget<QLabel>(m_sizeGB, "HeightL", QRect(12, 81, 70, 16));
    m_heightE = frxPlaceWidget<QLineEdit>(m_sizeGB, "HeightE", QRect(90, 78, 60, 21));
    frxPlaceWidget<QLabel>(m_sizeGB, "UnitL2", QRect(156, 81, 24, 16));

    m_orientationGB = frxPlaceWidget<QGroupBox>(this, "OrientationGB", QRect(8, 118, 270, 68));
    m_portraitRB = frxPlaceWidget<QRadioButton>(m_orientationGB, "PortraitRB", QRect(12, 20, 120, 18));
    m_landscapeRB = frxPlaceWidget<QRadioButton>(m_orientationGB, "LandscapeRB", QRect(12, 42, 120, 18));
    m_portraitRB->setChecked(true);
    m_portraitImg = frxPlaceWidget<QLabel>(m_orientationGB, "PortraitImg", QRect(200, 14, 48, 48));
    m_portraitImg->setPixmap(sheetPicture(false));
    m_landscapeImg = frxPlaceWidget<QLabel>(m_orientationGB, "LandscapeImg", QRect(200, 14, 48, 48));
    m_landscapeImg->setPixmap(sheetPicture(true));
    m_landscapeImg->hide();

    m_marginsGB = frxPlaceWidget<QGroupBox>(this, "MarginsGB", QRect(8, 190, 270, 80));
    m_leftL = frxPlaceWidget<QLabel>(m_marginsGB, "LeftL", QRect(12, 24, 40, 16));
    m_leftE = frxPlaceWidget<QLineEdit>(m_marginsGB, "LeftE", QRect(52, 21, 50, 21));
    frxPlaceWidget<QLabel>(m_marginsGB, "UnitL3", QRect(106, 24, 20, 16));
    m_topL = frxPlaceWidget<QLabel>(m_marginsGB, "TopL", QRect(140, 24, 40, 16));
    m_topE = frxPlaceWidget<QLineEdit>(m_marginsGB, "TopE", QRect(184, 21, 50, 21));
    frxPlaceWidget<QLabel>(m_marginsGB, "UnitL4", QRect(238, 24, 20, 16));
    m_rightL = frxPlaceWidget<QLabel>(m_marginsGB, "RightL", QRect(12, 52, 40, 16));
    m_rightE = frxPlaceWidget<QLineEdit>(m_marginsGB, "RightE", QRect(52, 49, 50, 21));
    frxPlaceWidget<QLabel>(m_marginsGB, "UnitL5", QRect(106, 52, 20, 16));
    m_bottomL = frxPlaceWidget<QLabel>(m_marginsGB, "BottomL", QRect(140, 52, 40, 16));
    m_bottomE = frxPlaceWidget<QLineEdit>(m_marginsGB, "BottomE", QRect(184, 49, 50, 21));
    frxPlaceWidget<QLabel>(m_marginsGB, "UnitL6", QRect(238, 52, 20, 16));

    m_otherGB = frxPlaceWidget<QGroupBox>(this, "OtherGB", QRect(8, 274, 270, 50));
    m_applyToCurRB = frxPlaceWidget<QRadioButton>(m_otherGB, "ApplyToCurRB", QRect(12, 16, 250, 16));
    m_applyToAllRB = frxPlaceWidget<QRadioButton>(m_otherGB, "ApplyToAllRB", QRect(12, 32, 250, 16));
    m_applyToCurRB->setChecked(true);

    m_okB = frxPlaceWidget<QPushButton>(this, "OkB", QRect(120, 330, 75, 25));
    m_okB->setDefault(true);
    m_cancelB = frxPlaceWidget<QPushButton>(this, "CancelB", QRect(203, 330, 75, 25));

    connect(m_okB, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelB, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_paperCB, &QComboBox::activated, this, &TfrxPageSettingsForm::PaperCBChange);
    connect(m_portraitRB, &QRadioButton::clicked, this, &TfrxPageSettingsForm::PortraitRBClick);
    connect(m_landscapeRB, &QRadioButton::clicked, this, &TfrxPageSettingsForm::LandscapeRBClick);
    connect(m_widthE, &QLineEdit::textEdited, this, &TfrxPageSettingsForm::SizeEChange);
    connect(m_heightE, &QLineEdit::textEdited, this, &TfrxPageSettingsForm::SizeEChange);
}

QString TfrxPageSettingsForm::FormatCm(double mm)
{
    const double cm = mm / 10;
    if (cm == std::floor(cm))
        return frxFloatToStr(cm);
    return QLocale().toString(cm, 'f', 2);
}

TfrxReportPage *TfrxPageSettingsForm::CopyPage(TfrxReportPage *page)
{
    auto *copy = new TfrxReportPage(nullptr);
    copy->AssignFrom(page, TfrxWithChildren::Yes);
    copy->SetName(page->Name());
    return copy;
}

void TfrxPageSettingsForm::CopyLayout(const TfrxReportPage *from, TfrxReportPage *to)
{
    to->SetOrientation(from->Orientation());
    to->SetPaperWidth(from->PaperWidth());
    to->SetPaperHeight(from->PaperHeight());
    to->SetPaperSize(from->PaperSize());
    to->SetLeftMargin(from->LeftMargin());
    to->SetRightMargin(from->RightMargin());
    to->SetTopMargin(from->TopMargin());
    to->SetBottomMargin(from->BottomMargin());
    to->ArrangeAlignedChildren();
}

void TfrxPageSettingsForm::SetPage(TfrxReportPage *page)
{
    m_page = page;
    m_updating = true;
    m_paperCB->clear();
    // A paper the driver gives no name could not be told from its
    // neighbours: it is not offered.
    const QStringList &names = m_printer->PaperNames();
    const QList<int> &codes = m_printer->PaperCodes();
    for (int i = 0; i < names.size() && i < codes.size(); ++i)
        if (!names[i].isEmpty())
            m_paperCB->addItem(names[i], codes[i]);
    selectPaper(page->PaperSize());
    m_widthE->setText(FormatCm(page->PaperWidth()));
    m_heightE->setText(FormatCm(page->PaperHeight()));
    const bool landscape = page->Orientation() == TPrinterOrientation::poLandscape;
    m_landscapeRB->setChecked(landscape);
    m_portraitRB->setChecked(!landscape);
    m_leftE->setText(FormatCm(page->LeftMargin()));
    m_rightE->setText(FormatCm(page->RightMargin()));
    m_topE->setText(FormatCm(page->TopMargin()));
    m_bottomE->setText(FormatCm(page->BottomMargin()));
    showOrientationPicture();
    m_updating = false;
}

bool TfrxPageSettingsForm::ApplyToAll() const
{
    return m_applyToAllRB->isChecked();
}

void TfrxPageSettingsForm::showOrientationPicture()
{
    m_portraitImg->setVisible(m_portraitRB->isChecked());
    m_landscapeImg->setVisible(m_landscapeRB->isChecked());
}

void TfrxPageSettingsForm::PaperCBChange()
{
    refreshSizes();
}

void TfrxPageSettingsForm::PortraitRBClick()
{
    showOrientationPicture();
    refreshSizes();
}

void TfrxPageSettingsForm::LandscapeRBClick()
{
    showOrientationPicture();
    refreshSizes();
}

void TfrxPageSettingsForm::SizeEChange()
{
    if (m_updating)
        return;
    const QSignalBlocker block(m_paperCB);
    selectPaper(TfrxCustomPrinter::CustomPaper);
}

void TfrxPageSettingsForm::selectPaper(int code)
{
    int index = m_paperCB->findData(code);
    if (index < 0)
        index = m_paperCB->findData(TfrxCustomPrinter::CustomPaper);
    m_paperCB->setCurrentIndex(std::max(index, 0));
}

int TfrxPageSettingsForm::chosenPaperCode() const
{
    // An edited text that is no entry counts as the custom paper.
    const int index = m_paperCB->findText(m_paperCB->currentText());
    return index < 0 ? TfrxCustomPrinter::CustomPaper : m_paperCB->itemData(index).toInt();
}

void TfrxPageSettingsForm::refreshSizes()
{
    if (m_updating)
        return;
    m_updating = true;
    TfrxCustomPrinter *printer = m_printer;
    const int code = chosenPaperCode();
    double width = 0, height = 0;
    bool sizesRead = true;
    try {
        width = StrToFloatAny(m_widthE->text()) * 10;
        height = StrToFloatAny(m_heightE->text()) * 10;
    } catch (const LoderaError &) {
        // A half-typed size: a standard paper brings its own size, a custom
        // one has nothing to turn, so the boxes stay as typed.
        sizesRead = false;
    }
    if (sizesRead || code != TfrxCustomPrinter::CustomPaper) {
        const bool landscape = m_landscapeRB->isChecked();
        if (code == TfrxCustomPrinter::CustomPaper)
            printer->ApplyPageLayout(code, height, width, landscape);
        else
            printer->ApplyPageLayout(code, width, height, landscape);
        m_widthE->setText(FormatCm(printer->PaperWidthMM()));
        m_heightE->setText(FormatCm(printer->PaperHeightMM()));
    }
    m_updating = false;
}

bool TfrxPageSettingsForm::readMM(QLineEdit *edit, const QString &caption, double &mm)
{
    try {
        mm = StrToFloatAny(edit->text()) * 10;
    } catch (const LoderaError &) {
        mm = std::nan("");
    }
    if (std::isfinite(mm) && mm >= 0)
        return true;
    QMessageBox::critical(this, frxResources()->Get(QStringLiteral("mbError")),
                          QStringLiteral("\"%1\" kutusundaki '%2' geçerli bir uzunluk değil.")
                              .arg(caption.trimmed(), edit->text()));
    edit->setFocus();
    edit->selectAll();
    return false;
}

void TfrxPageSettingsForm::accept()
{
    if (!m_page) {
        QDialog::accept();
        return;
    }
    double width, height, left, top, right, bottom;
    if (!readMM(m_widthE, m_widthL->text(), width) || !readMM(m_heightE, m_heightL->text(), height)
        || !readMM(m_leftE, m_leftL->text(), left) || !readMM(m_topE, m_topL->text(), top)
        || !readMM(m_rightE, m_rightL->text(), right) || !readMM(m_bottomE, m_bottomL->text(), bottom))
        return;
    if (width <= 0 || height <= 0) {
        QMessageBox::critical(this, frxResources()->Get(QStringLiteral("mbError")),
                              QStringLiteral("Kağıdın genişliği ve yüksekliği sıfırdan büyük olmalı."));
        (width <= 0 ? m_widthE : m_heightE)->setFocus();
        return;
    }
    if (left + right >= width || top + bottom >= height) {
        QMessageBox::critical(this, frxResources()->Get(QStringLiteral("mbError")),
                              QStringLiteral("Kenar boşlukları kağıtta yazdırılacak yer bırakmıyor."));
        (left + right >= width ? m_leftE : m_topE)->setFocus();
        return;
    }
    m_page->SetOrientation(m_landscapeRB->isChecked() ? TPrinterOrientation::poLandscape
                                                       : TPrinterOrientation::poPortrait);
    m_page->SetPaperWidth(width);
    m_page->SetPaperHeight(height);
    m_page->SetPaperSize(chosenPaperCode());
    m_page->SetLeftMargin(left);
    m_page->SetTopMargin(top);
    m_page->SetRightMargin(right);
    m_page->SetBottomMargin(bottom);
    m_page->ArrangeAlignedChildren();
    QDialog::accept();
}
