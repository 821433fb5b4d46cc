#pragma once
// TfrxDataLoader: loads a memo's data when the band engine is about to output
// it (its text expanded, or its field read).
//
// The memo belongs to the model, while expressions, datasets and the script
// live in the engine layer above it; the run installs a loader on the report
// for the length of a build (TfrxReport::SetDataLoader), and a memo's
// FetchData hands itself to it. Without a loader a memo keeps its text.
class TfrxCustomMemoView;

class TfrxDataLoader
{
public:
    virtual ~TfrxDataLoader() = default;
    virtual void FetchMemo(TfrxCustomMemoView &memo) = 0;
    // The memo's last load is taken back (its band loads again on a new
    // page): a repeated value it hid or showed is judged afresh.
    virtual void ForgetMemo(const TfrxCustomMemoView &memo) { (void)memo; }
};
