// The store's drawing and printing operations, handed to the classes that
// carry them out.
#include "report/output/tfrxpagepainter.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/output/tfrxprinters.h"
#include "report/output/tfrxprintloop.h"
#include "report/output/tfrxruncontrol.h"

namespace {
// Used when nobody runs the report: nothing to show, nothing cancels.
class QuietControl : public TfrxRunControl
{
public:
    bool Terminated() const override { return m_terminated; }
    void SetTerminated(bool v) override { m_terminated = v; }
    void Progress(TfrxProgressEvent, TfrxProgressType, int) override {}
    void ProcessMessages() override {}
    bool PrintDialog(TfrxPrintChoices &) override { return true; }
    void PrintingStarted() override {}

private:
    bool m_terminated = false;
};
} // namespace

void TfrxPreviewPages::PaintPage(int index, Canvas &canvas, double ScaleX, double ScaleY, double OffsetX,
                                 double OffsetY)
{
    TfrxPagePainter(*this).PaintPage(index, canvas, ScaleX, ScaleY, OffsetX, OffsetY);
}

bool TfrxPreviewPages::SendToPrinter()
{
    QuietControl quiet;
    TfrxRunControl &control = m_runControl ? *m_runControl : quiet;
    return TfrxPrintLoop(*this, control, *PrinterList()).SendToPrinter();
}
