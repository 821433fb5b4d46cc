#include "report/ui/tfrxprintdialog.h"
#include "report/ui/frxplacewidget.h"

#include "report/base/tfrxresources.h"
#include "report/output/tfrxprinter.h"
#include "report/output/tfrxprinters.h"
#include "report/ui/tfrxprintpictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>

namespace {

// The driver's own settings of a queue: paper, orientation and tray, as the
// print system's page setup offers them.
bool showPageSetup(QPrinter &printer, int &bin)
{
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    bin = -1;
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

TfrxPrintDialog::TfrxPrintDialog(QWidget *parent, TfrxPrinters *printers)
    : QDialog(parent), m_printers(printers ? printers : PrinterList())
{
    setObjectName(QStringLiteral("TfrxPrintDialog"));
    setModal(true);
    QFont f = QApplication::font();
    f.setPointSize(8);
    setFont(f);
    setFixedSize(477, 263);
    createControls();
    frxResources()->LocalizeWindow(this, QStringLiteral("TfrxPrintDialog"));
    // The list sits 11 pixels right of its label, whatever the label's text.
    m_printL->adjustSize();
    m_printPagesCB->move(m_printL->x() + m_printL->width() + 11, m_printPagesCB->y());
    m_printPagesCB->addItems({frxResources()->Get(QStringLiteral("ppAll")), frxResources()->Get(QStringLiteral("ppOdd")),
                              frxResources()->Get(QStringLiteral("ppEven"))});
    m_printPagesCB->setCurrentIndex(0);
    TfrxPrinter::setDriverDialog(showPageSetup);
    m_chooseFile = [](QWidget *owner) {
        return QFileDialog::getSaveFileName(owner, QStringLiteral("Print To File"), QString(),
                                            QStringLiteral("Printer files (*.prn)"));
    };
}

void TfrxPrintDialog::createControls()
{
    m_printerGB = frxPlaceWidget<QGroupBox>(this, "PrinterGB", QRect(8, 4, 461, 85));
    m_printerCB = frxPlaceWidget<QComboBox>(m_printerGB, "PrinterCB", QRect(12, 20, 341, 22));
    m_printerCB->setIconSize(QSize(16, 16));
    m_propButton = frxPlaceWidget<QPushButton>(m_printerGB, "PropButton", QRect(362, 19, 89, 24));
    m_typeL = frxPlaceWidget<QLabel>(m_printerGB, "TypeL", QRect(12, 50, 44, 14));
    m_printerNameL = frxPlaceWidget<QLabel>(m_printerGB, "PrinterNameL", QRect(60, 50, 270, 14));
    m_whereL = frxPlaceWidget<QLabel>(m_printerGB, "WhereL", QRect(12, 66, 44, 14));
    m_portNameL = frxPlaceWidget<QLabel>(m_printerGB, "PortNameL", QRect(60, 66, 270, 14));
    m_fileCB = frxPlaceWidget<QCheckBox>(m_printerGB, "FileCB", QRect(336, 48, 121, 17));
    m_reverseCB = frxPlaceWidget<QCheckBox>(m_printerGB, "ReverseCB", QRect(336, 64, 121, 17));

    m_pageRangeGB = frxPlaceWidget<QGroupBox>(this, "PageRangeGB", QRect(8, 94, 253, 133));
    m_allRB = frxPlaceWidget<QRadioButton>(m_pageRangeGB, "AllRB", QRect(12, 18, 150, 17));
    m_curPageRB = frxPlaceWidget<QRadioButton>(m_pageRangeGB, "CurPageRB", QRect(12, 38, 150, 17));
    m_pageNumbersRB = frxPlaceWidget<QRadioButton>(m_pageRangeGB, "PageNumbersRB", QRect(12, 58, 64, 17));
    m_pageNumbersE = frxPlaceWidget<QLineEdit>(m_pageRangeGB, "PageNumbersE", QRect(80, 56, 161, 21));
    m_descrL = frxPlaceWidget<QLabel>(m_pageRangeGB, "DescrL", QRect(12, 84, 229, 42));
    m_descrL->setWordWrap(true);
    m_allRB->setChecked(true);

    m_copiesGB = frxPlaceWidget<QGroupBox>(this, "CopiesGB", QRect(268, 94, 201, 133));
    m_copiesL = frxPlaceWidget<QLabel>(m_copiesGB, "CopiesL", QRect(12, 24, 84, 14));
    m_copiesE = frxPlaceWidget<QSpinBox>(m_copiesGB, "CopiesE", QRect(100, 20, 57, 22));
    m_copiesE->setRange(1, 100);
    m_copiesE->setValue(1);
    m_collateImg = frxPlaceWidget<QLabel>(m_copiesGB, "CollateImg", QRect(12, 56, 100, 44));
    m_collateCB = frxPlaceWidget<QCheckBox>(m_copiesGB, "CollateCB", QRect(120, 70, 17, 17));
    m_collateL = frxPlaceWidget<QLabel>(m_copiesGB, "CollateL", QRect(138, 71, 58, 14));
    m_collateCB->setChecked(true);
    m_collateL->installEventFilter(this);

    m_printL = frxPlaceWidget<QLabel>(this, "PrintL", QRect(8, 240, 40, 14));
    m_printPagesCB = frxPlaceWidget<QComboBox>(this, "PrintPagesCB", QRect(59, 236, 150, 22));
    m_okB = frxPlaceWidget<QPushButton>(this, "OkB", QRect(306, 234, 75, 25));
    m_cancelB = frxPlaceWidget<QPushButton>(this, "CancelB", QRect(394, 234, 75, 25));
    m_okB->setDefault(true);

    m_pageNumbersE->installEventFilter(this);
    connect(m_printerCB, &QComboBox::activated, this, &TfrxPrintDialog::PrinterCBChange);
    connect(m_propButton, &QPushButton::clicked, this, &TfrxPrintDialog::PropButtonClick);
    connect(m_pageNumbersRB, &QRadioButton::clicked, this, &TfrxPrintDialog::PageNumbersRBClick);
    connect(m_collateCB, &QCheckBox::toggled, this, &TfrxPrintDialog::CollateCBClick);
    connect(m_okB, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancelB, &QPushButton::clicked, this, &QDialog::reject);
    CollateCBClick();
}

void TfrxPrintDialog::showEvent(QShowEvent *event)
{
    m_printerCB->clear();
    const QPixmap picture = TfrxPrintPictures::printer();
    for (const QString &name : m_printers->PrinterNames())
        m_printerCB->addItem(QIcon(picture), name);
    m_savedIndex = m_printers->CurrentIndex();
    m_printerCB->setCurrentIndex(m_savedIndex);
    showPrinterDetails();
    if (QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

bool TfrxPrintDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_pageNumbersE && event->type() == QEvent::FocusIn)
        m_pageNumbersRB->setChecked(true);
    if (watched == m_collateL) {
        // A click toggles when the button comes up, a double click toggles
        // once more; the release that ends a double click is no click.
        if (event->type() == QEvent::MouseButtonRelease) {
            if (!m_releaseEndsDoubleClick)
                CollateLClick();
            m_releaseEndsDoubleClick = false;
            return true;
        }
        if (event->type() == QEvent::MouseButtonDblClick) {
            CollateLClick();
            m_releaseEndsDoubleClick = true;
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrxPrintDialog::showPrinterDetails()
{
    TfrxCustomPrinter *p = m_printers->Current();
    m_printerNameL->setText(p ? p->DeviceName() : QString());
    m_portNameL->setText(p ? p->PortName() : QString());
}

void TfrxPrintDialog::PrinterCBChange(int index)
{
    m_printers->SetCurrentIndex(index);
    showPrinterDetails();
}

void TfrxPrintDialog::PropButtonClick()
{
    if (TfrxCustomPrinter *p = m_printers->Current())
        p->ShowDriverDialog();
}

void TfrxPrintDialog::PageNumbersRBClick()
{
    m_pageNumbersE->setFocus();
}

void TfrxPrintDialog::CollateLClick()
{
    m_collateCB->setChecked(!m_collateCB->isChecked());
}

void TfrxPrintDialog::CollateCBClick()
{
    m_collateImg->setPixmap(TfrxPrintPictures::sheets(m_collateCB->isChecked()));
}

bool TfrxPrintDialog::chooseOutputFile()
{
    TfrxCustomPrinter *p = m_printers->Current();
    if (!p)
        return true;
    p->setOutputFile(QString());
    if (!m_fileCB->isChecked())
        return true;
    const QString chosen = m_chooseFile ? m_chooseFile(this) : QString();
    if (chosen.isEmpty())
        return false;
    const QFileInfo fi(chosen);
    const QString base = fi.suffix().isEmpty() ? fi.fileName() : fi.completeBaseName();
    p->setOutputFile(fi.dir().filePath(base + QStringLiteral(".prn")));
    return true;
}

void TfrxPrintDialog::done(int result)
{
    if (result == QDialog::Accepted && !chooseOutputFile())
        result = QDialog::Rejected;
    if (result != QDialog::Accepted && m_savedIndex >= 0 && m_printers->CurrentIndex() != m_savedIndex)
        m_printers->SetCurrentIndex(m_savedIndex);
    QDialog::done(result);
}

void TfrxPrintDialog::setCopies(int copies) { m_copiesE->setValue(copies); }
int TfrxPrintDialog::copies() const { return m_copiesE->value(); }
void TfrxPrintDialog::setCollate(bool collate) { m_collateCB->setChecked(collate); }
bool TfrxPrintDialog::collate() const { return m_collateCB->isChecked(); }
void TfrxPrintDialog::setPageNumbers(const QString &text) { m_pageNumbersE->setText(text); }
QString TfrxPrintDialog::pageNumbers() const { return m_pageNumbersE->text(); }
void TfrxPrintDialog::setReverse(bool reverse) { m_reverseCB->setChecked(reverse); }
bool TfrxPrintDialog::reverse() const { return m_reverseCB->isChecked(); }
void TfrxPrintDialog::setPageKind(PageKind kind) { m_printPagesCB->setCurrentIndex(int(kind)); }

TfrxPrintDialog::PageKind TfrxPrintDialog::pageKind() const
{
    return PageKind(qBound(0, m_printPagesCB->currentIndex(), 2));
}

void TfrxPrintDialog::setRange(PrintRange range)
{
    (range == PrintRange::All ? m_allRB : range == PrintRange::CurrentPage ? m_curPageRB : m_pageNumbersRB)->setChecked(true);
}

TfrxPrintDialog::PrintRange TfrxPrintDialog::range() const
{
    if (m_curPageRB->isChecked())
        return PrintRange::CurrentPage;
    if (m_pageNumbersRB->isChecked())
        return PrintRange::PageNumbers;
    return PrintRange::All;
}
