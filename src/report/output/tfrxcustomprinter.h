#pragma once
// A printer as the report engine sees it: its name, its resolution, the paper
// sizes and trays its driver offers, the paper layout currently chosen (size,
// orientation, unprintable margins) and the operations of a print job.
//
// Sizes and margins are millimetres. Paper codes are the paper codes of the
// built-in paper table (9 is A4, 256 a custom size); tray codes are the
// classic bin codes (7 is "automatic", listed first as "Varsayılan").
//
// A job runs StartJob, then for every sheet ApplyPrintLayout, StartSheet,
// drawing on Canvas(), EndSheet, and finally EndJob or AbortJob. Outside a
// job a printer still answers page layouts, so the page settings can show
// real paper sizes without printing.
#include "report/output/qtcanvas.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>

class TfrxCustomPrinter
{
public:
    TfrxCustomPrinter(const QString &name, const QString &port);
    virtual ~TfrxCustomPrinter();
    TfrxCustomPrinter(const TfrxCustomPrinter &) = delete;
    TfrxCustomPrinter &operator=(const TfrxCustomPrinter &) = delete;

    static constexpr int CustomPaper = 256;
    static constexpr int DefaultBin = 7;

    virtual bool IsVirtual() const = 0;

    virtual void LoadCapabilities() = 0;
    virtual void AbortJob() = 0;
    virtual void StartJob() = 0;
    virtual void StartSheet() = 0;
    virtual void StartRawJob() = 0;
    virtual void EndJob() = 0;
    virtual void EndSheet() = 0;
    virtual void EndRawJob() = 0;
    virtual void WriteRaw(const QByteArray &data) = 0;
    virtual void ApplyPageLayout(int paperCode, double widthMM, double heightMM, bool landscape) = 0;
    virtual void ApplyPrintLayout(int paperCode, double widthMM, double heightMM, bool landscape,
                                  int bin, int copies, int duplex) = 0;
    virtual void ShowDriverDialog() = 0;

    // Paper lookups. PaperIndexOf: position of the code in PaperNames, -1
    // when absent. PaperCodeOf: the code of the entry with that name, 256
    // when there is none. PaperSizeOf: the built-in size of a code (portrait
    // as stored); false, and the sizes untouched, for a code not in the table.
    int PaperIndexOf(int code) const;
    int PaperCodeOf(const QString &name) const;
    static bool PaperSizeOf(int code, double &widthMM, double &heightMM);
    int BinIndexOf(int code) const;

    const QString &DeviceName() const { return m_name; }
    const QString &PortName() const { return m_port; }
    const QString &JobTitle() const { return m_jobTitle; }
    void setJobTitle(const QString &title) { m_jobTitle = title; }
    const QString &OutputFile() const { return m_outputFile; }
    void setOutputFile(const QString &file) { m_outputFile = file; }
    int BinOverride() const { return m_binOverride; }
    void setBinOverride(int bin) { m_binOverride = bin; }

    const QStringList &BinNames() const { return m_binNames; }
    const QList<int> &BinCodes() const { return m_binCodes; }
    const QStringList &PaperNames() const { return m_paperNames; }
    const QList<int> &PaperCodes() const { return m_paperCodes; }

    QtCanvas *Canvas() { return &m_canvas; }
    QPoint Resolution() const { return m_resolution; }
    int DefaultPaper() const { return m_defaultPaper; }
    double DefaultPaperWidth() const { return m_defaultPaperWidth; }
    double DefaultPaperHeight() const { return m_defaultPaperHeight; }
    bool DefaultLandscape() const { return m_defaultLandscape; }
    int PaperCode() const { return m_paperCode; }
    double PaperWidthMM() const { return m_paperWidth; }
    double PaperHeightMM() const { return m_paperHeight; }
    double OffsetLeft() const { return m_offsetLeft; }
    double OffsetTop() const { return m_offsetTop; }
    double OffsetRight() const { return m_offsetRight; }
    double OffsetBottom() const { return m_offsetBottom; }
    bool Landscape() const { return m_landscape; }
    bool Prepared() const { return m_prepared; }
    bool JobOpen() const { return m_jobOpen; }

protected:
    void resetLists();
    void addPaper(const QString &name, int code);
    void addBin(const QString &name, int code);
    void setResolution(int x, int y);

    QString m_name;
    QString m_port;
    QString m_jobTitle;
    QString m_outputFile;
    int m_binOverride = -1;
    QStringList m_binNames;
    QList<int> m_binCodes;
    QStringList m_paperNames;
    QList<int> m_paperCodes;
    QtCanvas m_canvas{CanvasKind::Printer};
    QPoint m_resolution;
    int m_defaultPaper = 9;
    double m_defaultPaperWidth = 210;
    double m_defaultPaperHeight = 297;
    bool m_defaultLandscape = false;
    int m_paperCode = 9;
    double m_paperWidth = 210;
    double m_paperHeight = 297;
    double m_offsetLeft = 0;
    double m_offsetTop = 0;
    double m_offsetRight = 0;
    double m_offsetBottom = 0;
    bool m_landscape = false;
    bool m_prepared = false;
    bool m_jobOpen = false;
};
