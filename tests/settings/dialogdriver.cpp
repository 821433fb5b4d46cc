#include "dialogdriver.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QApplication>
#include <QMessageBox>
#include <QWidget>

void typeText(QWidget *control, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(control, &release);
    }
}

DialogDriver::DialogDriver()
{
    connect(&m_timer, &QTimer::timeout, this, &DialogDriver::poll);
    m_timer.start(10);
}

void DialogDriver::then(const QString &name, Step step)
{
    m_steps.push_back({name, std::move(step)});
}

void DialogDriver::answerBox(int standardButton)
{
    then(QStringLiteral("box"), [standardButton](QWidget *w) {
        auto *box = static_cast<QMessageBox *>(w);
        box->button(QMessageBox::StandardButton(standardButton))->click();
    });
}

void DialogDriver::poll()
{
    QWidget *active = QApplication::activeModalWidget();
    if (!active || !active->isVisible() || active->property("driven").toBool())
        return;
    const bool isBox = qobject_cast<QMessageBox *>(active) != nullptr;
    const bool match = !m_steps.empty()
        && (m_steps.front().name == u"box" ? isBox : active->objectName() == m_steps.front().name);
    if (!match) {
        // The settings window itself is opened by the tests, not by the program.
        if (active->objectName() == u"AyarFrm")
            return;
        if (active != m_waiting) {
            m_waiting = active;
            m_waitedPolls = 0;
        } else if (++m_waitedPolls == 200) {
            m_unexpected << (isBox ? static_cast<QMessageBox *>(active)->text() : active->objectName());
            active->close();
        }
        return;
    }
    m_waiting = nullptr;
    const Pending &next = m_steps.front();
    if (auto *box = qobject_cast<QMessageBox *>(active)) {
        // The same box is not answered twice while it is closing.
        box->setProperty("driven", true);
        m_boxes << box->text();
    }
    const Step step = next.step;
    m_steps.erase(m_steps.begin());
    // Run outside this timer's slot: a step that opens another modal window
    // would otherwise hold the timer that has to drive it.
    QTimer::singleShot(0, active, [step, active] { step(active); });
}
