#pragma once
// The print dialog: which printer, which pages, how many copies.
//
// The print loop fills the dialog's choices before showing it and reads them
// back afterwards (copies, collate, page range, page kind, reverse order).
// Choosing a printer makes it current at once, so its capabilities are
// loaded and its driver dialog reachable; a dialog closed any other way than
// with OK puts the printer that was current before back.
//
// With "Dosyaya yazdır" checked, OK asks for a file; the chosen name with
// the extension ".prn" becomes the current printer's OutputFile, and
// cancelling that question cancels the whole dialog.
#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TfrxPrinters;

class TfrxPrintDialog : public QDialog
{
    Q_OBJECT

public:
    enum class PrintRange { All, CurrentPage, PageNumbers };
    // Page kinds in the order of the list: all, odd, even.
    enum class PageKind { All, Odd, Even };

    explicit TfrxPrintDialog(QWidget *parent = nullptr, TfrxPrinters *printers = nullptr);

    void setCopies(int copies);
    int copies() const;
    void setCollate(bool collate);
    bool collate() const;
    void setRange(PrintRange range);
    PrintRange range() const;
    void setPageNumbers(const QString &text);
    QString pageNumbers() const;
    void setPageKind(PageKind kind);
    PageKind pageKind() const;
    void setReverse(bool reverse);
    bool reverse() const;

    // Asks for the print-to-file name; a file dialog unless replaced (tests).
    using FileChooser = std::function<QString(QWidget *parent)>;
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }

    void done(int result) override;

public slots:
    void PrinterCBChange(int index);
    void PropButtonClick();
    void PageNumbersRBClick();
    void CollateLClick();
    void CollateCBClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void showPrinterDetails();
    bool chooseOutputFile();

    TfrxPrinters *m_printers;
    int m_savedIndex = -1;
    bool m_releaseEndsDoubleClick = false;
    FileChooser m_chooseFile;

    QGroupBox *m_printerGB;
    QComboBox *m_printerCB;
    QLabel *m_typeL, *m_whereL, *m_printerNameL, *m_portNameL;
    QPushButton *m_propButton;
    QCheckBox *m_fileCB, *m_reverseCB;
    QGroupBox *m_pageRangeGB;
    QRadioButton *m_allRB, *m_curPageRB, *m_pageNumbersRB;
    QLineEdit *m_pageNumbersE;
    QLabel *m_descrL;
    QGroupBox *m_copiesGB;
    QLabel *m_copiesL;
    QSpinBox *m_copiesE;
    QCheckBox *m_collateCB;
    QLabel *m_collateL, *m_collateImg;
    QLabel *m_printL;
    QComboBox *m_printPagesCB;
    QPushButton *m_okB, *m_cancelB;
};
