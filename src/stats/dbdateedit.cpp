#include "stats/dbdateedit.h"

#include "platform/localeformats.h"
#include "platform/loderaerror.h"
#include "records/db/dataset.h"
#include "records/db/datevalue.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"

#include <QDate>
#include <QFocusEvent>

DBDateEdit::DBDateEdit(QWidget *parent) : QLineEdit(parent)
{
    m_leftCheck.setSingleShot(true);
    m_leftCheck.setInterval(0);
    connect(&m_leftCheck, &QTimer::timeout, this, [this] { tryUpdateRecord(); });
    connect(this, &QLineEdit::textEdited, this, &DBDateEdit::userEdited);
}

void DBDateEdit::bind(DataSource *source, const QString &column)
{
    m_source = source;
    m_column = column;
    db::Dataset *ds = source->dataset();
    connect(ds, &db::Dataset::activeChanged, this, &DBDateEdit::refresh);
    connect(ds, &db::Dataset::rowsChanged, this, &DBDateEdit::refresh);
    connect(ds, &db::Dataset::currentChanged, this, &DBDateEdit::refresh);
    connect(ds, &db::Dataset::stateChanged, this, &DBDateEdit::refresh);
    connect(ds, &db::Dataset::fieldChanged, this, [this](db::Field *f) {
        if (m_source && f == m_source->field(m_column))
            refresh();
    });
    refresh();
}

QString DBDateEdit::notADateMessage(const QString &text)
{
    return QStringLiteral("'%1' geçerli bir tarih değil. Sevk tarihini gün.ay.yıl biçiminde yazınız "
                          "(örnek: %2).")
        .arg(text.trimmed(), platform::shortDate(QDate(2026, 12, 10)));
}

void DBDateEdit::refresh()
{
    if (m_starting)
        return;
    // Typed text survives as long as its row is being edited.
    db::Dataset *ds = m_source ? m_source->dataset() : nullptr;
    if (m_pending && ds && ds->isEditing())
        return;
    m_pending = false;
    db::Field *f = m_source ? m_source->field(m_column) : nullptr;
    QString shown;
    if (f && (!f->dataset().isEmpty() || f->dataset().isEditing()))
        shown = f->displayText();
    if (text() != shown)
        setText(shown);
}

void DBDateEdit::userEdited()
{
    if (!m_source)
        return;
    const QString typed = text();
    m_starting = true;
    bool editing = false;
    const bool ok = ErrorBox::guard([&] { editing = m_source->edit(); });
    m_starting = false;
    if (!ok || !editing) {
        m_pending = false;
        refresh();
        return;
    }
    if (text() != typed)
        setText(typed);
    m_pending = true;
}

void DBDateEdit::updateRecord()
{
    m_leftCheck.stop();
    if (!m_pending || !m_source)
        return;
    db::Field *f = m_source->field(m_column);
    if (!f || !f->dataset().isEditing()) {
        m_pending = false;
        return;
    }
    const QString typed = text().trimmed();
    QVariant value;
    if (!typed.isEmpty()) {
        const auto date = db::DateValue::parse(typed);
        if (!date || !date->isValid())
            throw LoderaError(notADateMessage(typed));
        value = *date;
    }
    m_starting = true;
    try {
        f->setValue(value);
    } catch (...) {
        m_starting = false;
        throw;
    }
    m_starting = false;
    m_pending = false;
    refresh(); // the date in the user's own form
}

bool DBDateEdit::tryUpdateRecord()
{
    if (ErrorBox::guard([this] { updateRecord(); }))
        return true;
    setFocus(Qt::OtherFocusReason);
    selectAll();
    return false;
}

void DBDateEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // The window losing the activation (to the error box among others) is
    // not leaving the box.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason)
        return;
    if (m_pending)
        m_leftCheck.start();
}
