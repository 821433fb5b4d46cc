#pragma once
// An edit box bound to one column of a dataset. Typing is limited to the
// column's size (or a smaller limit of the page); a longer text that comes
// from the database is shown and kept whole.
#include <QLineEdit>

class DataSource;
class FieldBinding;

class DBEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);

    // `maxLength` 0 takes the column's size from the open dataset.
    void bind(DataSource *source, const QString &column, int maxLength = 0);
    // Display only: disabled, grey and skipped by the Tab key.
    void setReadOnlyField();

    const QString &dataField() const;
    int typingLimit() const { return m_limit; }

private:
    void userEdited(const QString &text);
    void show(const QString &text);
    void updateLimit();

    FieldBinding *m_binding;
    int m_fixedLimit = 0;
    int m_limit = 0;
};
