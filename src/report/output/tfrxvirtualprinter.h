#pragma once
// The stand-in printer "Sanal" of a machine without printers: it answers
// page layouts from the built-in paper table with 5 mm margins at 600 dpi, so
// reports can still be laid out and previewed. It has no drawing surface;
// starting a job with it reports that no printer is installed instead of
// drawing into nothing.
#include "report/output/tfrxcustomprinter.h"

class TfrxVirtualPrinter : public TfrxCustomPrinter
{
public:
    TfrxVirtualPrinter(const QString &name, const QString &port);

    bool IsVirtual() const override { return true; }
    void LoadCapabilities() override;
    void AbortJob() override {}
    // Throws LoderaError with "Bilgisayarınızda kurulu hiçbir yazıcı yok".
    void StartJob() override;
    void StartSheet() override {}
    void StartRawJob() override {}
    void EndJob() override {}
    void EndSheet() override {}
    void EndRawJob() override {}
    void WriteRaw(const QByteArray &) override {}
    void ApplyPageLayout(int paperCode, double widthMM, double heightMM, bool landscape) override;
    void ApplyPrintLayout(int paperCode, double widthMM, double heightMM, bool landscape,
                          int bin, int copies, int duplex) override;
    void ShowDriverDialog() override {}
};
