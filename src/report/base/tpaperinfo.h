#pragma once
// The built-in paper table: the Windows paper codes (dmPaperSize) the engine
// knows without asking a printer driver, with their sizes in tenths of a
// millimetre as stored (for most sizes the portrait form; a landscape page
// exchanges them). Codes 48 and 49 do not exist; 256 stands for a custom size
// and is deliberately not in the table.
//
// The page object takes its paper size from here when a standard code is set,
// and the virtual printer lists exactly these entries after "Özel".
#include <QString>

#include <span>

struct TPaperInfo
{
    int Typ;      // paper code
    QString Name; // display name; empty for every built-in entry
    int X;        // width, tenths of a millimetre
    int Y;        // height, tenths of a millimetre
};

inline constexpr int frxCustomPaperCode = 256;

// All 66 entries, in code order.
std::span<const TPaperInfo> frxPaperList();

// The entry for a paper code, or nullptr for a code the table does not hold
// (including 256).
const TPaperInfo *frxFindPaper(int code);
