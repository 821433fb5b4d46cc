#pragma once
// The printers of the machine, with the current one.
//
// The process-wide list (PrinterList()) is built on first use from the print
// system's queues, in the order it lists them, and is never enumerated again.
// The system's default destination becomes current; when it names none of
// the queues (a default removed behind our back, or none set) the first
// queue is current, so there is always a printer to lay pages out for. With
// no queue at all the list holds the virtual printer "Sanal" alone.
//
// Making a printer current loads its capabilities (once per printer).
#include "report/output/tfrxcustomprinter.h"

#include <QStringList>

#include <memory>
#include <vector>

class TfrxPrinters
{
public:
    // A list of the given queues (empty: the virtual printer only) with
    // `defaultName` current.
    TfrxPrinters(const QStringList &names, const QString &defaultName);
    ~TfrxPrinters();

    // The queues and the default destination of the print system.
    static std::unique_ptr<TfrxPrinters> fromSystem();

    int Count() const { return int(m_printers.size()); }
    TfrxCustomPrinter *Items(int index) const;
    const QStringList &PrinterNames() const { return m_names; }
    int CurrentIndex() const { return m_currentIndex; }
    void SetCurrentIndex(int index);
    TfrxCustomPrinter *Current() const { return Items(m_currentIndex); }
    // Index of the first printer whose name equals `name` ignoring case, or -1.
    int FindPrinter(const QString &name) const;
    bool HasRealPrinters() const { return m_hasRealPrinters; }

private:
    std::vector<std::unique_ptr<TfrxCustomPrinter>> m_printers;
    QStringList m_names;
    int m_currentIndex = -1;
    bool m_hasRealPrinters = false;
};

// The process-wide printer list.
TfrxPrinters *PrinterList();
