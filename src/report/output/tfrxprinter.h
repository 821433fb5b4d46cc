#pragma once
// A real printer: a print queue of the system, reached through QPrinter.
//
// The QPrinter object plays the part of the driver's settings record: the
// paper, orientation, copies and duplex of the next sheets are set on it.
// The unprintable margins are the driver's for the paper upright; a turned
// sheet turns them with it (its left margin is the upright bottom one). Qt
// paints from the paper's corner, so the canvas is moved to the corner of
// the printable area, where drawing code for printers expects (0, 0). It exists from
// the first LoadCapabilities that finds the queue; a queue the system cannot
// describe keeps its two lists at their first entries and is tried again the
// next time it becomes current.
//
// The print job starts on the first sheet: QPainter begins on the printer
// only once the first sheet's paper is set, and every later sheet is a new
// page, so each sheet comes out with its own size and orientation. Copies,
// tray and duplex are job settings of the print system: the values in force
// when the first sheet starts apply to the job, and a sheet that asks for
// another tray or duplex ends that job and starts the next with its own (a
// first page from the letterhead tray, the rest from the plain one). The
// print loop passes the same copy count for every sheet of a print.
//
// Qt keeps paper sizes in whole points, so a custom size comes out within a
// third of a millimetre of the requested tenths.
//
// OutputFile, when set, receives the job as a PDF file instead of the queue.
#include "report/output/tfrxcustomprinter.h"

#include <QHash>
#include <QMap>
#include <QMarginsF>
#include <QPageSize>
#include <QPrinter>

#include <functional>


class TfrxPrinter : public TfrxCustomPrinter
{
public:
    TfrxPrinter(const QString &name, const QString &port);
    ~TfrxPrinter() override;

    bool IsVirtual() const override { return false; }
    void LoadCapabilities() override;
    void AbortJob() override;
    void StartJob() override;
    void StartSheet() override;
    void StartRawJob() override;
    void EndJob() override;
    void EndSheet() override;
    void EndRawJob() override;
    void WriteRaw(const QByteArray &data) override;
    void ApplyPageLayout(int paperCode, double widthMM, double heightMM, bool landscape) override;
    void ApplyPrintLayout(int paperCode, double widthMM, double heightMM, bool landscape,
                          int bin, int copies, int duplex) override;
    void ShowDriverDialog() override;

    // The settings dialog of the driver lives in the user-interface layer,
    // which installs it here. It edits the printer and answers true when
    // confirmed, with the tray chosen in `bin` (-1 for none).
    using DriverDialog = std::function<bool(QPrinter &printer, int &bin)>;
    static void setDriverDialog(DriverDialog dialog);

    QPrinter *qprinter() { return m_printer.get(); }
    // Keyword of a tray code for the print system, empty when unknown.
    QString binKeyword(int bin) const { return m_binKeywords.value(bin); }

private:
    QPageSize pageSizeFor(int code) const;
    void applyLayout(const QPageSize &size, bool landscape);
    void readLayout();
    // The print system's keyword for a tray code; none for the automatic
    // tray and for codes the driver does not know.
    QString slotKeyword(int bin) const;
    static QPrinter::DuplexMode duplexMode(int duplex, QPrinter::DuplexMode current);
    void setInputSlot(const QString &keyword);
    int codeOf(const QPageSize &size);

    std::unique_ptr<QPrinter> m_printer;
    QMarginsF m_minMargins; // unprintable margins of the current layout, points
    QMap<int, QPageSize> m_sizes;
    QHash<int, QString> m_binKeywords;
    int m_nextDriverCode = CustomPaper + 1;
    int m_rawJob = 0;
    QString m_jobSlot; // tray keyword of the job part being printed
};
