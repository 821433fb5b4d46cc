#pragma once
// Drives the modal windows that a test's action opens: each step waits for a
// visible top-level window of the given kind and acts on it, in order. A test
// queues the steps, runs the action (which blocks in the modal loop), then
// reads what the steps saw.
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

// Types text into a control as key presses; QTest's own key clicks know
// ASCII only, and the clerk types Turkish letters.
void typeText(QWidget *control, const QString &text);

class DialogDriver : public QObject
{
    Q_OBJECT
public:
    using Step = std::function<void(QWidget *)>;

    DialogDriver();

    // Acts on the next visible window whose objectName is `name`, or a
    // QMessageBox when `name` is "box". A box's text is recorded in boxes().
    void then(const QString &name, Step step);

    // A message box answered with its button labelled (or standard) `button`.
    void answerBox(int standardButton);

    bool finished() const { return m_steps.empty(); }
    const QStringList &boxes() const { return m_boxes; }
    // Modal windows that no step expected; each was closed after a while so
    // the test ends instead of hanging.
    const QStringList &unexpected() const { return m_unexpected; }

private:
    void poll();

    struct Pending {
        QString name;
        Step step;
    };
    std::vector<Pending> m_steps;
    QStringList m_boxes;
    QStringList m_unexpected;
    QWidget *m_waiting = nullptr;
    int m_waitedPolls = 0;
    QTimer m_timer;
};
