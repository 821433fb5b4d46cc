#include "app/loderaapplication.h"

#include "records/ui/errorbox.h"

#include <QLibraryInfo>
#include <QTranslator>
#include <exception>

LoderaApplication::LoderaApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Lodera"));
}

bool LoderaApplication::notify(QObject *receiver, QEvent *event)
{
    return guarded([&] { return QApplication::notify(receiver, event); });
}

bool LoderaApplication::guarded(const std::function<bool()> &deliver)
{
    try {
        return deliver();
    } catch (const std::exception &e) {
        ErrorBox::show(e);
        return true;
    }
}

void LoderaApplication::loadTurkishTranslations()
{
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto *translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_tr"), dir))
        installTranslator(translator);
    else
        delete translator;
}
