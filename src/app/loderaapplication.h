#pragma once
// The application object. Errors raised while an event is handled (a store
// the database refuses, a failing statement) are caught here, shown in the
// error box, and the event loop goes on, so no handler has to catch the
// database layer's errors itself.
#include <QApplication>
#include <functional>

class LoderaApplication : public QApplication
{
    Q_OBJECT
public:
    LoderaApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Runs `deliver`; an exception it raises is shown and counts as handled.
    static bool guarded(const std::function<bool()> &deliver);

    // Qt's own Turkish texts for the standard buttons and dialogs.
    void loadTurkishTranslations();
};
