#include "boxanswer.h"

#include <QAbstractButton>
#include <QApplication>

BoxAnswer::BoxAnswer(QMessageBox::StandardButton answer) : m_answer(answer)
{
    connect(&m_timer, &QTimer::timeout, this, &BoxAnswer::poll);
    m_timer.start(5);
}

QStringList BoxAnswer::texts() const
{
    QStringList out;
    for (const Seen &s : m_seen)
        out << s.text;
    return out;
}

void BoxAnswer::poll()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        auto *box = qobject_cast<QMessageBox *>(w);
        if (!box || !box->isVisible() || box->property("answered").toBool())
            continue;
        box->setProperty("answered", true);
        m_seen.push_back({box->icon(), box->windowTitle(), box->text(), box->standardButtons()});
        QAbstractButton *button = box->button(m_answer);
        if (!button)
            button = box->buttons().value(0);
        button->click();
    }
}
