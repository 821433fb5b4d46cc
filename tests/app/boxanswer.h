#pragma once
// Answers the message boxes that a test's clicks open: every box that comes up
// while the object lives is read (kind, caption, text) and closed with the
// given button, so a test can check what the program asked.
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <vector>

class BoxAnswer : public QObject
{
    Q_OBJECT
public:
    struct Seen {
        QMessageBox::Icon icon;
        QString title;
        QString text;
        QMessageBox::StandardButtons buttons;
    };

    explicit BoxAnswer(QMessageBox::StandardButton answer = QMessageBox::Ok);

    const std::vector<Seen> &seen() const { return m_seen; }
    QStringList texts() const;
    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }

private:
    void poll();

    QMessageBox::StandardButton m_answer;
    QTimer m_timer;
    std::vector<Seen> m_seen;
};
