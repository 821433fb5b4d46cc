#pragma once
// A watcher for the modal windows a test provokes (message boxes, dialogs).
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

namespace previewtest {

// Answers every modal window that opens while it lives: records its class
// name and, for a message box, its text; then `answer` acts on it (by
// default the window is closed with Escape's meaning).
class ModalWatcher
{
public:
    using Answer = std::function<void(QWidget *)>;
    explicit ModalWatcher(Answer answer = {}) : m_answer(std::move(answer))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start(10);
    }
    QStringList classes;
    QStringList texts;

private:
    void poll()
    {
        QWidget *w = QApplication::activeModalWidget();
        if (!w || w == m_last)
            return;
        m_last = w;
        classes.append(QString::fromLatin1(w->metaObject()->className()));
        if (auto *box = qobject_cast<QMessageBox *>(w))
            texts.append(box->text());
        if (m_answer)
            m_answer(w);
        else if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
    }
    QTimer m_timer;
    Answer m_answer;
    QPointer<QWidget> m_last;
};

} // namespace previewtest
