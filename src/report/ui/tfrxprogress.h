#pragma once
// TfrxProgress: the small borderless window that tells how far a report is
// ("Yazılan sayfa 3") and offers "Vazgeç".
//
// Showing it disables the window that was active, so the user cannot start a
// second run from there; hiding or destroying it enables that window again.
// Pressing the button (or Esc) sets the window's terminated mark and closes
// it; whoever runs the report reads the mark after handling pending messages.
// Dragging anywhere on the window moves it.
#include <QPointer>
#include <QWidget>

class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;

class TfrxProgress : public QWidget
{
    Q_OBJECT
public:
    explicit TfrxProgress(QWidget *parent = nullptr);
    ~TfrxProgress() override;

    // Opens the window: message empty, bar shown or not, cancel button shown.
    void Execute(int maxValue, const QString &message, bool canceled, bool showBar);

    QString Message() const;
    void SetMessage(const QString &text);
    int Position() const;
    void SetPosition(int value);
    bool ShowBar() const { return m_showBar; }
    void SetShowBar(bool show);
    bool Terminated() const { return m_terminated; }
    void SetTerminated(bool v) { m_terminated = v; }

public slots:
    void CancelBClick();

protected:
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void releaseActiveWindow();

    QFrame *m_panel;
    QLabel *m_message;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    QPointer<QWidget> m_disabledWindow;
    QPoint m_dragStart;
    bool m_showBar = true;
    bool m_terminated = false;
};
