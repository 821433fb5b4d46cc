#include "records/ui/dbedit.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"
#include "records/ui/fieldbinding.h"

#include <QValidator>

namespace {

// Refuses typing beyond a length without touching texts set by the program.
class LengthLimit : public QValidator
{
public:
    LengthLimit(int limit, QObject *parent) : QValidator(parent), m_limit(limit) {}
    State validate(QString &input, int &) const override
    {
        return m_limit > 0 && input.size() > m_limit ? Invalid : Acceptable;
    }

private:
    int m_limit;
};

} // namespace

DBEdit::DBEdit(QWidget *parent)
    : QLineEdit(parent), m_binding(new FieldBinding(this, [this](const QString &t) { show(t); }))
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
}

void DBEdit::bind(DataSource *source, const QString &column, int maxLength)
{
    m_fixedLimit = maxLength;
    m_binding->bind(source, column);
    connect(source->dataset(), &db::Dataset::activeChanged, this, &DBEdit::updateLimit);
    updateLimit();
}

const QString &DBEdit::dataField() const
{
    return m_binding->column();
}

void DBEdit::setReadOnlyField()
{
    setReadOnly(true);
    setEnabled(false);
    setFocusPolicy(Qt::NoFocus);
    QPalette pal = palette();
    pal.setColor(QPalette::Disabled, QPalette::Base, pal.color(QPalette::Button));
    pal.setColor(QPalette::Disabled, QPalette::Text, pal.color(QPalette::Active, QPalette::Text));
    setPalette(pal);
}

void DBEdit::updateLimit()
{
    int limit = m_fixedLimit;
    if (db::Field *f = m_binding->field()) {
        const int size = f->size();
        if (size > 0 && (limit == 0 || size < limit))
            limit = size;
    }
    if (limit == m_limit)
        return;
    m_limit = limit;
    setValidator(limit > 0 ? new LengthLimit(limit, this) : nullptr);
}

void DBEdit::show(const QString &text)
{
    if (this->text() != text)
        setText(text);
}

void DBEdit::userEdited(const QString &text)
{
    const bool ok = ErrorBox::guard([&] {
        if (!m_binding->write(text))
            show(m_binding->currentText());
    });
    if (!ok)
        show(m_binding->currentText());
}
