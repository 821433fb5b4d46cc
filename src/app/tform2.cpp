#include "app/tform2.h"

#include "app/appicons.h"
#include "platform/shell.h"
#include "records/ui/programfont.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

namespace {

QLabel *label(QWidget *parent, const QString &name, const QString &text, QPoint at,
              const QColor &colour = Qt::black)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    l->move(at);
    l->setTextFormat(Qt::PlainText);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->adjustSize();
    return l;
}

void setColour(QLabel *l, const QColor &colour)
{
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
}

} // namespace

TForm2::TForm2(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral(" Hakkında"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setFixedSize(329, 202);
    setFont(ProgramFont::standard());

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setGeometry(0, 0, 105, 202);
    picture->setPixmap(AppIcons::aboutPicture().scaled(105, 202));

    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPixelSize(16);
    const QString title = QStringLiteral("Lodera Programı 2.3");
    QLabel *shadow = label(this, QStringLiteral("Label2"), title, {120, 27}, Qt::gray);
    QLabel *front = label(this, QStringLiteral("Label1"), title, {119, 26});
    for (QLabel *l : {shadow, front}) {
        l->setFont(titleFont);
        l->adjustSize();
    }
    front->setAttribute(Qt::WA_TranslucentBackground);
    front->raise();

    label(this, QStringLiteral("Label3"), QStringLiteral("19.04.2006"), {120, 52}, Qt::gray);
    label(this, QStringLiteral("Label4"), QStringLiteral("Görüş ve öneriler için:"), {120, 104});

    auto *box = new QFrame(this);
    box->setObjectName(QStringLiteral("Bevel1"));
    box->setFrameShape(QFrame::Box);
    box->setFrameShadow(QFrame::Sunken);
    box->setGeometry(116, 122, 205, 52);
    label(box, QStringLiteral("Label5"), QStringLiteral("Web :"), {8, 9}, Qt::gray);
    label(box, QStringLiteral("Label6"), QStringLiteral("Msn/Mail :"), {8, 29}, Qt::gray);
    LblWeb = label(box, QStringLiteral("LblWeb"), QStringLiteral("http://www.lodera.org.tr"),
                   {66, 9}, Qt::blue);
    LblMail = label(box, QStringLiteral("LblMail"), QStringLiteral("lodera@lodera.org.tr"),
                    {66, 29}, Qt::blue);
    for (QLabel *link : {LblWeb, LblMail}) {
        link->setCursor(Qt::PointingHandCursor);
        link->setMouseTracking(true);
        link->installEventFilter(this);
    }
}

void TForm2::LblWebClick()
{
    platform::openUrl(LblWeb->text());
}

void TForm2::LblMailClick()
{
    platform::openMail(LblMail->text());
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    auto *link = qobject_cast<QLabel *>(watched);
    if (link && (link == LblWeb || link == LblMail)) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            setColour(link, Qt::red);
            break;
        case QEvent::Leave:
            setColour(link, Qt::blue);
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                if (link == LblWeb)
                    LblWebClick();
                else
                    LblMailClick();
            }
            break;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}
