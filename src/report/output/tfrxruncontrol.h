#pragma once
// TfrxRunControl: what the painting and printing code asks of whoever runs a
// report: the terminated flag, progress notifications, a moment for the user
// interface to handle pending messages, and the print dialog.
//
// The headless run answers without windows (the dialog is confirmed as
// filled); the user-interface run shows the progress window and the dialog.
#include "report/output/tfrxcustompreviewpages.h"

#include <QString>

// The choices of the print dialog, filled from the report's print options
// before it is shown and read back after OK.
struct TfrxPrintChoices
{
    enum class Range { All, CurrentPage, PageNumbers };
    enum class Kind { All, Odd, Even };
    int copies = 1;
    bool collate = true;
    Range range = Range::All;
    QString pageNumbers;
    Kind kind = Kind::All;
    bool reverse = false;
};

class TfrxRunControl
{
public:
    virtual ~TfrxRunControl() = default;
    virtual bool Terminated() const = 0;
    virtual void SetTerminated(bool v) = 0;
    virtual void Progress(TfrxProgressEvent event, TfrxProgressType kind, int page) = 0;
    virtual void ProcessMessages() = 0;
    // Shows the print dialog filled with `choices`; false on Cancel.
    virtual bool PrintDialog(TfrxPrintChoices &choices) = 0;
    // Printing begins: an attached preview stops repainting meanwhile.
    virtual void PrintingStarted() = 0;
};
