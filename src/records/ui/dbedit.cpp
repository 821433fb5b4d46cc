#include "records/ui/dbedit.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"
#include "records/ui/fieldbinding.h"

#include <QValidator>

#include <algorithm>

namespace {

// The column's limit for what the user types, as an edit box of the system
// keeps it: a change that makes the text longer than the limit keeps only as
// much of the inserted text as fits (a paste is cut), and is refused when
// nothing fits; a change that does not make the text longer always goes, so
// a longer text from the database can still be shortened. Texts the program
// sets are never touched.
class LengthLimit : public QValidator
{
public:
    LengthLimit(int limit, const QString &before, const bool &programSets, QObject *parent)
        : QValidator(parent), m_limit(limit), m_before(before), m_programSets(programSets)
    {
    }
    State validate(QString &input, int &pos) const override
    {
        if (m_programSets || input.size() <= m_limit || input.size() <= m_before.size())
            return Acceptable;
        // The change replaced what lies between a common start and end.
        const qsizetype most = std::min(input.size(), m_before.size());
        qsizetype start = 0;
        while (start < most && input[start] == m_before[start])
            ++start;
        qsizetype end = 0;
        while (end < most - start && input[input.size() - 1 - end] == m_before[m_before.size() - 1 - end])
            ++end;
        const qsizetype room = m_limit - (start + end);
        if (room <= 0)
            return Invalid;
        input = input.left(start) + input.mid(start, room) + input.right(end);
        pos = int(start + room);
        return Acceptable;
    }

private:
    int m_limit;
    const QString &m_before;
    const bool &m_programSets;
};

} // namespace

DBEdit::DBEdit(QWidget *parent)
    : QLineEdit(parent), m_binding(new FieldBinding(this, [this](const QString &t) { show(t); }))
{
    connect(this, &QLineEdit::textEdited, this, &DBEdit::userEdited);
    connect(this, &QLineEdit::textChanged, this, [this](const QString &text) { m_shownText = text; });
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
    setValidator(limit > 0 ? new LengthLimit(limit, m_shownText, m_programSets, this) : nullptr);
}

void DBEdit::show(const QString &text)
{
    if (this->text() == text)
        return;
    m_programSets = true;
    setText(text);
    m_programSets = false;
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
