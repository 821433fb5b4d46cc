#include "report/output/cupsdriverinfo.h"

#include <QFile>
#include <QRegularExpression>

#include <cups/cups.h>
#include <cups/ppd.h>

// The PPD interface is what describes a classic driver's trays; CUPS marks
// it deprecated in favour of IPP attributes that do not carry the keywords.
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"

namespace {

void readResolution(ppd_file_t *ppd, int &x, int &y)
{
    const char *choice = nullptr;
    if (ppd_choice_t *c = ppdFindMarkedChoice(ppd, "Resolution"))
        choice = c->choice;
    else if (ppd_attr_t *a = ppdFindAttr(ppd, "DefaultResolution", nullptr))
        choice = a->value;
    if (!choice)
        return;
    static const QRegularExpression re(QStringLiteral("^(\\d+)(?:x(\\d+))?dpi"));
    const auto m = re.match(QString::fromLatin1(choice));
    if (!m.hasMatch())
        return;
    x = m.captured(1).toInt();
    y = m.captured(2).isEmpty() ? x : m.captured(2).toInt();
}

} // namespace

int CupsDriverInfo::binCodeOf(const QString &keyword, int position)
{
    static const QList<std::pair<const char *, int>> known = {
        {"Upper", 1}, {"OnlyOne", 1}, {"Lower", 2}, {"Middle", 3}, {"Manual", 4},
        {"Envelope", 5}, {"ManualEnvelope", 6}, {"EnvManual", 6}, {"Auto", 7}, {"AutoSelect", 7},
        {"Tractor", 8}, {"SmallFormat", 9}, {"LargeFormat", 10}, {"LargeCapacity", 11},
        {"Cassette", 14}, {"FormSource", 15}};
    for (const auto &[name, code] : known)
        if (keyword.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return code;
    return 256 + position;
}

bool CupsDriverInfo::read(const QString &printerName)
{
    const QByteArray name = printerName.toUtf8();
    const char *path = cupsGetPPD2(CUPS_HTTP_DEFAULT, name.constData());
    if (!path)
        return false;
    const QString file = QString::fromLocal8Bit(path);
    ppd_file_t *ppd = ppdOpenFile(path);
    if (!ppd) {
        QFile::remove(file);
        return false;
    }
    ppdMarkDefaults(ppd);
    readResolution(ppd, resolutionX, resolutionY);
    if (ppd_option_t *o = ppdFindOption(ppd, "InputSlot")) {
        for (int i = 0; i < o->num_choices; ++i) {
            const ppd_choice_t &c = o->choices[i];
            inputSlots.append(CupsInputSlot{QString::fromLatin1(c.choice), QString::fromUtf8(c.text),
                                       binCodeOf(QString::fromLatin1(c.choice), i)});
        }
    }
    if (ppd_choice_t *c = ppdFindMarkedChoice(ppd, "Orientation"))
        defaultLandscape = qstrcmp(c->choice, "Portrait") != 0;
    ppdClose(ppd);
    QFile::remove(file);

    // The queue's own default may say landscape, whatever the driver does.
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (dest) {
        if (const char *o = cupsGetOption("orientation-requested", dest->num_options, dest->options))
            defaultLandscape = qstrcmp(o, "4") == 0 || qstrcmp(o, "5") == 0;
        else if (cupsGetOption("landscape", dest->num_options, dest->options))
            defaultLandscape = true;
        cupsFreeDests(1, dest);
    }
    return true;
}
