// The print dialog offscreen: its Turkish texts, its initial choices and the
// behaviour the print loop relies on.
#include "report/output/tfrxprinters.h"
#include "report/ui/tfrxprintdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

template <typename W>
W *child(QWidget &dialog, const char *name)
{
    W *w = dialog.findChild<W *>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

QString textOf(QWidget &dialog, const char *name)
{
    QObject *o = dialog.findChild<QObject *>(QLatin1String(name));
    if (!o)
        return QStringLiteral("<%1 yok>").arg(QLatin1String(name));
    if (auto *g = qobject_cast<QGroupBox *>(o))
        return g->title();
    return o->property("text").toString();
}

TEST(PrintDialog, OpensWithItsTurkishTexts)
{
    TfrxPrinters printers({}, QString());
    TfrxPrintDialog dialog(nullptr, &printers);
    EXPECT_EQ(dialog.windowTitle(), "Yazdır");
    const std::pair<const char *, const char *> texts[] = {
        {"PrinterGB", "Yazıcı   "},
        {"TypeL", "Tür:"},
        {"WhereL", "Konum:"},
        {"PropButton", "Özellikler..."},
        {"FileCB", "Dosyaya yazdır"},
        {"ReverseCB", "Sayfayı çevir"},
        {"PageRangeGB", "Sayfa Aralığı   "},
        {"AllRB", "Tümü"},
        {"CurPageRB", "Geçerli sayfa"},
        {"PageNumbersRB", "Sayfa:"},
        {"DescrL", "Sayfa numaralarını ve/veya sayfa aralıklarını virgülle ayırarak girin. Örn. 1,3,5-12"},
        {"CopiesGB", "Kopya sayısı   "},
        {"CopiesL", "Kopya Sayısı"},
        {"CollateL", "Harmanla"},
        {"PrintL", "Yazdır"},
        {"OkB", "Tamam"},
        {"CancelB", "Vazgeç"},
    };
    for (const auto &[name, text] : texts)
        EXPECT_EQ(textOf(dialog, name), QString::fromUtf8(text)) << name;

    QComboBox *kinds = child<QComboBox>(dialog, "PrintPagesCB");
    ASSERT_EQ(kinds->count(), 3);
    EXPECT_EQ(kinds->itemText(0), "Tüm sayfalar");
    EXPECT_EQ(kinds->itemText(1), "Tek sayfalar");
    EXPECT_EQ(kinds->itemText(2), "Çift sayfalar");
    EXPECT_EQ(kinds->currentIndex(), 0);
    QLabel *printL = child<QLabel>(dialog, "PrintL");
    EXPECT_GE(printL->width(), printL->sizeHint().width()) << "the label fits its Turkish text";
    EXPECT_EQ(kinds->x(), printL->x() + printL->width() + 11);

    EXPECT_TRUE(child<QRadioButton>(dialog, "AllRB")->isChecked());
    EXPECT_TRUE(child<QCheckBox>(dialog, "CollateCB")->isChecked());
    QSpinBox *copies = child<QSpinBox>(dialog, "CopiesE");
    EXPECT_EQ(copies->value(), 1);
    EXPECT_EQ(copies->minimum(), 1);
    EXPECT_EQ(copies->maximum(), 100);
    EXPECT_TRUE(child<QPushButton>(dialog, "OkB")->isDefault());
    EXPECT_EQ(dialog.size(), QSize(477, 263));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_TRUE(dialog.isModal());
}

TEST(PrintDialog, ShowsThePrinterListWithTheCurrentPrinter)
{
    TfrxPrinters printers({}, QString());
    TfrxPrintDialog dialog(nullptr, &printers);
    dialog.show();
    QComboBox *list = child<QComboBox>(dialog, "PrinterCB");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->itemText(0), "Sanal");
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_FALSE(list->itemIcon(0).isNull());
    EXPECT_EQ(child<QLabel>(dialog, "PrinterNameL")->text(), "Sanal");
}

TEST(PrintDialog, PageEditAndCollateLabelWork)
{
    TfrxPrinters printers({}, QString());
    TfrxPrintDialog dialog(nullptr, &printers);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();

    QLineEdit *pages = child<QLineEdit>(dialog, "PageNumbersE");
    pages->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_TRUE(child<QRadioButton>(dialog, "PageNumbersRB")->isChecked());
    EXPECT_EQ(dialog.range(), TfrxPrintDialog::PrintRange::PageNumbers);

    QLabel *img = child<QLabel>(dialog, "CollateImg");
    const QImage collated = img->pixmap().toImage();
    QTest::mouseClick(child<QLabel>(dialog, "CollateL"), Qt::LeftButton);
    EXPECT_FALSE(dialog.collate());
    EXPECT_NE(img->pixmap().toImage(), collated) << "the picture follows the check box";
    // What a double click delivers: a click, then the double click and its
    // release. Both clicks toggle, as on a check box's own label.
    QLabel *label = child<QLabel>(dialog, "CollateL");
    for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                           QEvent::MouseButtonRelease}) {
        QMouseEvent e(t, QPointF(4, 4), label->mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                      t == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(label, &e);
    }
    EXPECT_FALSE(dialog.collate());
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(dialog.collate());
    EXPECT_EQ(img->pixmap().toImage(), collated);
}

TEST(PrintDialog, ChoicesGoInAndComeBack)
{
    TfrxPrinters printers({}, QString());
    TfrxPrintDialog dialog(nullptr, &printers);
    dialog.setCopies(3);
    dialog.setCollate(false);
    dialog.setRange(TfrxPrintDialog::PrintRange::CurrentPage);
    dialog.setPageNumbers("1,3,5-12");
    dialog.setPageKind(TfrxPrintDialog::PageKind::Even);
    dialog.setReverse(true);
    EXPECT_EQ(dialog.copies(), 3);
    EXPECT_FALSE(dialog.collate());
    EXPECT_EQ(dialog.range(), TfrxPrintDialog::PrintRange::CurrentPage);
    EXPECT_EQ(dialog.pageNumbers(), "1,3,5-12");
    EXPECT_EQ(dialog.pageKind(), TfrxPrintDialog::PageKind::Even);
    EXPECT_TRUE(dialog.reverse());
    dialog.setCopies(500);
    EXPECT_EQ(dialog.copies(), 100);
}

struct FileCase
{
    const char *name;
    bool toFile;
    const char *chosen;
    int result;
    const char *outputFile;
};

std::ostream &operator<<(std::ostream &os, const FileCase &c) { return os << c.name; }

class PrintToFile : public ::testing::TestWithParam<FileCase> {};

TEST_P(PrintToFile, OkAsksForTheFile)
{
    const FileCase &c = GetParam();
    TfrxPrinters printers({}, QString());
    printers.Current()->setOutputFile("/eski/dosya.prn");
    TfrxPrintDialog dialog(nullptr, &printers);
    dialog.setFileChooser([&](QWidget *) { return QString::fromUtf8(c.chosen); });
    child<QCheckBox>(dialog, "FileCB")->setChecked(c.toFile);
    QTimer::singleShot(0, [&] { child<QPushButton>(dialog, "OkB")->click(); });
    EXPECT_EQ(dialog.exec(), c.result);
    EXPECT_EQ(printers.Current()->OutputFile(), QString::fromUtf8(c.outputFile));
}

INSTANTIATE_TEST_SUITE_P(
    Print, PrintToFile,
    ::testing::Values(
        FileCase{"NoFileClearsTheOldOne", false, "", QDialog::Accepted, ""},
        FileCase{"ExtensionBecomesPrn", true, "/tmp/sevk/hasta.pdf", QDialog::Accepted, "/tmp/sevk/hasta.prn"},
        FileCase{"NameWithoutExtensionGetsPrn", true, "/tmp/sevk/hasta", QDialog::Accepted, "/tmp/sevk/hasta.prn"},
        FileCase{"OnlyTheLastExtensionChanges", true, "/tmp/a.b/rapor.2026.txt", QDialog::Accepted, "/tmp/a.b/rapor.2026.prn"},
        FileCase{"CancelledFileCancelsTheDialog", true, "", QDialog::Rejected, ""}));

TEST(PrintDialog, CancelPutsThePreviousPrinterBack)
{
    TfrxPrinters printers({"Birinci", "Ikinci"}, "Birinci");
    TfrxPrintDialog dialog(nullptr, &printers);
    QTimer::singleShot(0, [&] {
        dialog.PrinterCBChange(1);
        EXPECT_EQ(printers.CurrentIndex(), 1);
        EXPECT_EQ(child<QLabel>(dialog, "PrinterNameL")->text(), "Ikinci");
        child<QPushButton>(dialog, "CancelB")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_EQ(printers.CurrentIndex(), 0);
}

TEST(PrintDialog, OkKeepsTheChosenPrinter)
{
    TfrxPrinters printers({"Birinci", "Ikinci"}, "Birinci");
    TfrxPrintDialog dialog(nullptr, &printers);
    QTimer::singleShot(0, [&] {
        dialog.PrinterCBChange(1);
        child<QPushButton>(dialog, "OkB")->click();
    });
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_EQ(printers.CurrentIndex(), 1);
}

} // namespace
