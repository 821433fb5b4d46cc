#pragma once
// Follows the mouse across all of the program's windows and keeps the
// "current hint": the long hint of the control under the mouse, or of its
// nearest parent that has one, empty over controls without any. Every change
// is reported once, so the status bar is written only when the text changes.
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

class QWidget;

class HintTracker : public QObject
{
    Q_OBJECT
public:
    using Handler = std::function<void(const QString &longHint)>;

    // Installs itself as an event filter on the application.
    explicit HintTracker(Handler onHintChanged, QObject *parent = nullptr);
    ~HintTracker() override;

    const QString &currentHint() const { return m_hint; }
    // Makes `control` the control under the mouse (the event filter calls this
    // on every enter and leave).
    void hover(const QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_onHintChanged;
    QString m_hint;
};
