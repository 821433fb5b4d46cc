#pragma once
// The one way a report of the program leaves it once its data is set: the
// preview window, or a fresh build sent straight to the report's printer
// without a dialog. The previous result is cleared first either way.
//
// Printing does not wait for the build to succeed: the build has shown its
// errors itself when it ended, and whatever pages it prepared go to the
// printer all the same (an unfinished list on paper tells the user more than
// nothing at all).
class TfrxReport;

enum class ReportDestination { Preview, Printer };

void ShowOrPrintReport(TfrxReport &report, ReportDestination destination);
