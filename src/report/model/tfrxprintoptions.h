#pragma once
// How a report is printed. Printer holds the engine's text for the default
// printer unless a printer was chosen by name.
#include "report/model/frxtypes.h"
#include "report/model/tfrxpersistent.h"

#include <QString>

class TfrxPrintOptions : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(int Copies READ Copies WRITE SetCopies)
    Q_PROPERTY(bool Collate READ Collate WRITE SetCollate)
    Q_PROPERTY(QString PageNumbers READ PageNumbers WRITE SetPageNumbers)
    Q_PROPERTY(QString Printer READ Printer WRITE SetPrinter)
    Q_PROPERTY(TfrxPrintPages PrintPages READ PrintPages WRITE SetPrintPages)
    Q_PROPERTY(bool Reverse READ Reverse WRITE SetReverse)
    Q_PROPERTY(bool ShowDialog READ ShowDialog WRITE SetShowDialog)
public:
    Q_INVOKABLE explicit TfrxPrintOptions(QObject *parent = nullptr);

    // Every member back to its default.
    void Reset();

    int Copies() const { return m_copies; }
    void SetCopies(int v) { m_copies = v; }
    bool Collate() const { return m_collate; }
    void SetCollate(bool v) { m_collate = v; }
    const QString &PageNumbers() const { return m_pageNumbers; }
    void SetPageNumbers(const QString &v) { m_pageNumbers = v; }
    const QString &Printer() const { return m_printer; }
    void SetPrinter(const QString &v) { m_printer = v; }
    TfrxPrintPages PrintPages() const { return m_printPages; }
    void SetPrintPages(TfrxPrintPages v) { m_printPages = v; }
    bool Reverse() const { return m_reverse; }
    void SetReverse(bool v) { m_reverse = v; }
    bool ShowDialog() const { return m_showDialog; }
    void SetShowDialog(bool v) { m_showDialog = v; }

private:
    int m_copies = 1;
    bool m_collate = true;
    QString m_pageNumbers;
    QString m_printer;
    TfrxPrintPages m_printPages = TfrxPrintPages::ppAll;
    bool m_reverse = false;
    bool m_showDialog = true;
};
