#include "records/ui/fieldbinding.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"

FieldBinding::FieldBinding(QObject *control, std::function<void(const QString &)> show)
    : QObject(control), m_show(std::move(show))
{
}

void FieldBinding::bind(DataSource *source, const QString &column)
{
    m_source = source;
    m_column = column;
    db::Dataset *ds = source->dataset();
    connect(ds, &db::Dataset::activeChanged, this, &FieldBinding::refresh);
    connect(ds, &db::Dataset::rowsChanged, this, &FieldBinding::refresh);
    connect(ds, &db::Dataset::currentChanged, this, &FieldBinding::refresh);
    connect(ds, &db::Dataset::stateChanged, this, &FieldBinding::refresh);
    connect(ds, &db::Dataset::fieldChanged, this, [this](db::Field *f) {
        if (f == field())
            refresh();
    });
    refresh();
}

db::Field *FieldBinding::field() const
{
    return m_source ? m_source->field(m_column) : nullptr;
}

QString FieldBinding::currentText() const
{
    db::Field *f = field();
    if (!f || (f->dataset().isEmpty() && !f->dataset().isEditing()))
        return QString();
    return f->displayText();
}

void FieldBinding::refresh()
{
    if (!m_writing)
        m_show(currentText());
}

bool FieldBinding::write(const QString &text)
{
    m_writing = true;
    struct Reset {
        bool &flag;
        ~Reset() { flag = false; }
    } reset{m_writing};
    if (!m_source || !m_source->edit()) {
        m_writing = false;
        refresh();
        return false;
    }
    if (db::Field *f = field())
        f->setValue(text);
    return true;
}
