#include "records/ui/dbcombobox.h"

#include "records/ui/errorbox.h"
#include "records/ui/fieldbinding.h"

#include <QLineEdit>

DBComboBox::DBComboBox(QWidget *parent)
    : QComboBox(parent), m_binding(new FieldBinding(this, [this](const QString &t) { show(t); }))
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &DBComboBox::store);
    connect(this, &QComboBox::textActivated, this, &DBComboBox::store);
}

void DBComboBox::bind(DataSource *source, const QString &column)
{
    m_binding->bind(source, column);
}

const QString &DBComboBox::dataField() const
{
    return m_binding->column();
}

void DBComboBox::show(const QString &text)
{
    if (currentText() != text)
        setEditText(text);
}

void DBComboBox::store(const QString &text)
{
    const bool ok = ErrorBox::guard([&] {
        if (!m_binding->write(text))
            show(m_binding->currentText());
    });
    if (!ok)
        show(m_binding->currentText());
}
