#pragma once
// An edit box bound to one column of a dataset. Typing is limited to the
// column's size (or a smaller limit of the page): what would go past it is
// refused, a paste is cut to fit. A longer text that comes from the database
// is shown and kept whole, and can be shortened.
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
    QString m_shownText;       // the text before the change being checked
    bool m_programSets = false; // show() is setting the text
};
