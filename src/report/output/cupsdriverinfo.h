#pragma once
// What the print system's driver description of a queue says beyond what
// QPrinterInfo offers: the paper trays with their keywords, the default
// resolution and the default orientation. Read from the queue's PPD through
// the CUPS client library (CUPS_SERVER chooses the scheduler).
#include <QList>
#include <QString>

struct CupsInputSlot
{
    QString keyword; // "Upper", "Manual", "Tray2" ...
    QString text;    // as the driver shows it
    int bin;         // classic bin code (7 automatic, 256 + n for driver-own trays)
};

class CupsDriverInfo
{
public:
    // False when the queue has no readable driver description; the members
    // keep their defaults then.
    bool read(const QString &printerName);

    int resolutionX = 0;
    int resolutionY = 0;
    bool defaultLandscape = false;
    QList<CupsInputSlot> inputSlots;

    // Bin code of a tray keyword, as printers have always numbered them.
    static int binCodeOf(const QString &keyword, int position);
};
