#pragma once
// Connects a signal to a handler of a window so that an error the handler
// raises (a store the database refuses, a failing statement) is shown in the
// error box and the program goes on, without unwinding through the toolkit.
#include "records/ui/errorbox.h"

#include <QObject>

template <class Sender, class Signal, class Receiver, class... Args>
QMetaObject::Connection connectGuarded(Sender *sender, Signal signal, Receiver *receiver,
                                       void (Receiver::*handler)(Args...))
{
    return QObject::connect(sender, signal, receiver, [receiver, handler](Args... args) {
        ErrorBox::guard([&] { (receiver->*handler)(args...); });
    });
}
