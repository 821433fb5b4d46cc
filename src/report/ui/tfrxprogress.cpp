#include "report/ui/tfrxprogress.h"

#include "report/base/tfrxresources.h"

#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

TfrxProgress::TfrxProgress(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frxProgress"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QFont f = QApplication::font();
    f.setPointSize(8);
    setFont(f);
    setFixedSize(271, 101);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);

    m_panel = new QFrame(this);
    m_panel->setObjectName(QStringLiteral("Panel1"));
    m_panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_panel->setLineWidth(2);
    m_panel->setGeometry(0, 0, 271, 101);

    m_message = new QLabel(m_panel);
    m_message->setObjectName(QStringLiteral("LMessage"));
    m_message->setGeometry(16, 11, 237, 20);
    m_message->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    m_message->setFont(tahoma);

    m_bar = new QProgressBar(m_panel);
    m_bar->setObjectName(QStringLiteral("Bar"));
    m_bar->setGeometry(16, 37, 237, 17);
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);

    m_cancel = new QPushButton(m_panel);
    m_cancel->setObjectName(QStringLiteral("CancelB"));
    m_cancel->setGeometry(100, 64, 75, 25);
    m_cancel->setText(QStringLiteral("Vazgeç"));
    connect(m_cancel, &QPushButton::clicked, this, &TfrxProgress::CancelBClick);

    frxResources()->LocalizeWindow(this, QStringLiteral("TfrxProgress"));
}

TfrxProgress::~TfrxProgress() { releaseActiveWindow(); }

void TfrxProgress::Execute(int maxValue, const QString &message, bool canceled, bool showBar)
{
    m_terminated = false;
    m_bar->setRange(0, maxValue > 0 ? maxValue : 100);
    m_bar->setValue(0);
    SetShowBar(showBar);
    SetMessage(message);
    m_cancel->setVisible(canceled);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    if (QWidget *active = QApplication::activeWindow(); active && active != this && active->isEnabled()) {
        m_disabledWindow = active;
        active->setEnabled(false);
    }
    show();
}

QString TfrxProgress::Message() const { return m_message->text(); }

void TfrxProgress::SetMessage(const QString &text) { m_message->setText(text); }

int TfrxProgress::Position() const { return m_bar->value(); }

void TfrxProgress::SetPosition(int value) { m_bar->setValue(value); }

void TfrxProgress::SetShowBar(bool show)
{
    m_showBar = show;
    m_bar->setVisible(show);
    // Without the bar the message sits in the middle of the free space.
    m_message->move(16, show ? 11 : 35);
}

void TfrxProgress::CancelBClick()
{
    m_terminated = true;
    close();
}

void TfrxProgress::hideEvent(QHideEvent *event)
{
    releaseActiveWindow();
    QWidget::hideEvent(event);
}

void TfrxProgress::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_cancel->isVisible()) {
        CancelBClick();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TfrxProgress::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStart = event->globalPosition().toPoint() - frameGeometry().topLeft();
    QWidget::mousePressEvent(event);
}

void TfrxProgress::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        move(event->globalPosition().toPoint() - m_dragStart);
    QWidget::mouseMoveEvent(event);
}

void TfrxProgress::releaseActiveWindow()
{
    if (m_disabledWindow) {
        m_disabledWindow->setEnabled(true);
        m_disabledWindow = nullptr;
    }
}
