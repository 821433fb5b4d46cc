#include "records/ui/errorbox.h"

#include "platform/loderaerror.h"

#include <QApplication>
#include <QMessageBox>

void ErrorBox::show(const std::exception &error)
{
    const auto *own = dynamic_cast<const LoderaError *>(&error);
    const QString text = own ? own->message() : QString::fromUtf8(error.what());
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

bool ErrorBox::guard(const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const std::exception &e) {
        show(e);
        return false;
    }
}
