#include "records/ui/programfont.h"

#include <QFontDatabase>
#include <QStringList>

QFont ProgramFont::standard()
{
    static const bool substituted = [] {
        QStringList standIns;
        standIns << QStringLiteral("Microsoft Sans Serif") << QStringLiteral("Liberation Sans")
                 << QStringLiteral("Arial") << QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), standIns);
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(QStringLiteral("MS Sans Serif"), 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
