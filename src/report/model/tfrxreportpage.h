#pragma once
// TfrxReportPage: a printable page with paper, margins and bands.
//
// Geometry. Paper size and margins are millimetres; Width and Height are always
// the paper size in pixels, Round(mm x 3.77953) with halves to even, recomputed
// by every setter that changes the paper or the orientation. Setting a paper
// width or height makes the paper custom (256); setting a standard paper number
// takes its size from the paper table, oriented as the page. Turning the page
// exchanges width and height and rotates the four margins with it, which is
// why the stored order of the members is orientation, paper, then margins: read
// in that order, the stored values are the final ones.
//
// The background colour, frame and picture belong to a private picture object
// of the page, which the page output draws first.
#include "report/model/tfrxdataset.h"
#include "report/model/tfrxpage.h"
#include "report/model/tfrxpictureview.h"

#include <QPointer>
#include <QStringList>
#include <memory>

class TfrxReportPage : public TfrxPage
{
    Q_OBJECT
    Q_PROPERTY(TPrinterOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(double PaperWidth READ PaperWidth WRITE SetPaperWidth)
    Q_PROPERTY(double PaperHeight READ PaperHeight WRITE SetPaperHeight)
    Q_PROPERTY(int PaperSize READ PaperSize WRITE SetPaperSize)
    Q_PROPERTY(double LeftMargin READ LeftMargin WRITE SetLeftMargin)
    Q_PROPERTY(double RightMargin READ RightMargin WRITE SetRightMargin)
    Q_PROPERTY(double TopMargin READ TopMargin WRITE SetTopMargin)
    Q_PROPERTY(double BottomMargin READ BottomMargin WRITE SetBottomMargin)
    Q_PROPERTY(TfrxPicture *BackPicture READ BackPicture)
    Q_PROPERTY(int Bin READ Bin WRITE SetBin)
    Q_PROPERTY(int BinOtherPages READ BinOtherPages WRITE SetBinOtherPages)
    Q_PROPERTY(int Color READ Color WRITE SetColor)
    Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
    Q_PROPERTY(double ColumnWidth READ ColumnWidth WRITE SetColumnWidth)
    Q_PROPERTY(QStringList ColumnPositions READ ColumnPositions WRITE SetColumnPositions)
    Q_PROPERTY(TfrxDataSet *DataSet READ DataSet WRITE SetDataSet)
    Q_PROPERTY(QString DataSetName READ DataSetName WRITE SetDataSetName)
    Q_PROPERTY(TfrxDuplexMode Duplex READ Duplex WRITE SetDuplex)
    Q_PROPERTY(TfrxFrame *Frame READ Frame)
    Q_PROPERTY(QStringList HGuides READ HGuides WRITE SetHGuides)
    Q_PROPERTY(bool LargeDesignHeight READ LargeDesignHeight WRITE SetLargeDesignHeight)
    Q_PROPERTY(bool MirrorMargins READ MirrorMargins WRITE SetMirrorMargins)
    Q_PROPERTY(QString OutlineText READ OutlineText WRITE SetOutlineText)
    Q_PROPERTY(bool PrintIfEmpty READ PrintIfEmpty WRITE SetPrintIfEmpty)
    Q_PROPERTY(bool PrintOnPreviousPage READ PrintOnPreviousPage WRITE SetPrintOnPreviousPage)
    Q_PROPERTY(bool TitleBeforeHeader READ TitleBeforeHeader WRITE SetTitleBeforeHeader)
    Q_PROPERTY(QStringList VGuides READ VGuides WRITE SetVGuides)
    Q_PROPERTY(QString OnAfterPrint READ OnAfterPrint WRITE SetOnAfterPrint)
    Q_PROPERTY(QString OnBeforePrint READ OnBeforePrint WRITE SetOnBeforePrint)
    Q_PROPERTY(QString OnManualBuild READ OnManualBuild WRITE SetOnManualBuild)
    Q_CLASSINFO("nodefault", "PaperSize")
public:
    static constexpr int CustomPaper = 256;
    static constexpr int MaxColumns = 1000;

    Q_INVOKABLE explicit TfrxReportPage(TfrxComponent *AOwner = nullptr);
    ~TfrxReportPage() override;

    QString NamePrefix() const override { return QStringLiteral("Page"); }

    TPrinterOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TPrinterOrientation v);
    double PaperWidth() const { return m_paperWidth; }
    void SetPaperWidth(double v);
    double PaperHeight() const { return m_paperHeight; }
    void SetPaperHeight(double v);
    int PaperSize() const { return m_paperSize; }
    void SetPaperSize(int v);
    double LeftMargin() const { return m_leftMargin; }
    void SetLeftMargin(double v) { m_leftMargin = v; }
    double RightMargin() const { return m_rightMargin; }
    void SetRightMargin(double v) { m_rightMargin = v; }
    double TopMargin() const { return m_topMargin; }
    void SetTopMargin(double v) { m_topMargin = v; }
    double BottomMargin() const { return m_bottomMargin; }
    void SetBottomMargin(double v) { m_bottomMargin = v; }
    bool MirrorMargins() const { return m_mirrorMargins; }
    void SetMirrorMargins(bool v) { m_mirrorMargins = v; }

    // Also fills ColumnWidth and ColumnPositions from the printable width.
    // More than MaxColumns throws LoderaError and changes nothing.
    int Columns() const { return m_columns; }
    void SetColumns(int v);
    double ColumnWidth() const { return m_columnWidth; }
    void SetColumnWidth(double v) { m_columnWidth = v; }
    const QStringList &ColumnPositions() const { return m_columnPositions; }
    void SetColumnPositions(const QStringList &v) { m_columnPositions = v; }

    int Bin() const { return m_bin; }
    void SetBin(int v) { m_bin = v; }
    int BinOtherPages() const { return m_binOtherPages; }
    void SetBinOtherPages(int v) { m_binOtherPages = v; }
    TfrxDuplexMode Duplex() const { return m_duplex; }
    void SetDuplex(TfrxDuplexMode v) { m_duplex = v; }

    TColor Color() const { return m_background->Color(); }
    void SetColor(TColor v) { m_background->SetColor(v); }
    TfrxFrame *Frame() const { return m_background->Frame(); }
    TfrxPicture *BackPicture() const { return m_background->Picture(); }
    // The private object that draws colour, frame and picture behind the page.
    TfrxPictureView *Background() const { return m_background.get(); }

    TfrxDataSet *DataSet() const { return m_dataSet; }
    void SetDataSet(TfrxDataSet *v);
    QString DataSetName() const;
    void SetDataSetName(const QString &v);
    const QString &OutlineText() const { return m_outlineText; }
    void SetOutlineText(const QString &v) { m_outlineText = v; }
    bool PrintIfEmpty() const { return m_printIfEmpty; }
    void SetPrintIfEmpty(bool v) { m_printIfEmpty = v; }
    bool PrintOnPreviousPage() const { return m_printOnPreviousPage; }
    void SetPrintOnPreviousPage(bool v) { m_printOnPreviousPage = v; }
    bool TitleBeforeHeader() const { return m_titleBeforeHeader; }
    void SetTitleBeforeHeader(bool v) { m_titleBeforeHeader = v; }
    bool LargeDesignHeight() const { return m_largeDesignHeight; }
    void SetLargeDesignHeight(bool v) { m_largeDesignHeight = v; }
    const QStringList &HGuides() const { return m_hGuides; }
    void SetHGuides(const QStringList &v) { m_hGuides = v; }
    const QStringList &VGuides() const { return m_vGuides; }
    void SetVGuides(const QStringList &v) { m_vGuides = v; }
    const QString &OnAfterPrint() const { return m_onAfterPrint; }
    void SetOnAfterPrint(const QString &v) { m_onAfterPrint = v; }
    const QString &OnBeforePrint() const { return m_onBeforePrint; }
    void SetOnBeforePrint(const QString &v) { m_onBeforePrint = v; }
    const QString &OnManualBuild() const { return m_onManualBuild; }
    void SetOnManualBuild(const QString &v) { m_onManualBuild = v; }

    // Printable width and height in pixels.
    double PrintableWidth() const;
    double PrintableHeight() const;
    // Width and Height from the paper size.
    void UpdateDimensions();
    // All margins 10 mm, paper and orientation as the current printer reports
    // them (number, width and height in millimetres, orientation).
    void ApplyPrinterDefaults(int paperSize, double paperWidth, double paperHeight, TPrinterOrientation orientation);

    void ArrangeAlignedChildren() override;

private:
    TPrinterOrientation m_orientation = TPrinterOrientation::poPortrait;
    double m_paperWidth = 210;
    double m_paperHeight = 297;
    int m_paperSize = 9;
    double m_leftMargin = 0;
    double m_rightMargin = 0;
    double m_topMargin = 0;
    double m_bottomMargin = 0;
    bool m_mirrorMargins = false;
    int m_columns = 0;
    double m_columnWidth = 0;
    QStringList m_columnPositions;
    int m_bin = 7;
    int m_binOtherPages = 7;
    TfrxDuplexMode m_duplex = TfrxDuplexMode::dmNone;
    std::unique_ptr<TfrxPictureView> m_background;
    QPointer<TfrxDataSet> m_dataSet;
    QString m_dataSetName;
    QString m_outlineText;
    bool m_printIfEmpty = true;
    bool m_printOnPreviousPage = false;
    bool m_titleBeforeHeader = true;
    bool m_largeDesignHeight = false;
    QStringList m_hGuides;
    QStringList m_vGuides;
    QString m_onAfterPrint;
    QString m_onBeforePrint;
    QString m_onManualBuild;
};
