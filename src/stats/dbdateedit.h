#pragma once
// An edit box bound to a date column. Unlike a text column, a date cannot be
// stored letter by letter: "1", "12", "12.0" are no dates on the way to
// "12.05.2026". So typing only puts the row into edit state, and the text is
// handed to the row when the box is left or when updateRecord() is called (the
// navigator does so before it stores or moves). A text that is no date is
// refused with a Turkish message naming the expected form; the text stays in
// the box, the box keeps the focus and the row stays in edit state, so the
// clerk can correct it or cancel the edit. An empty text clears the date.
//
// The box shows the row's date again whenever the row changes under it: another
// row, a re-open, a stored or cancelled edit.
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

class DataSource;

class DBDateEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit DBDateEdit(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &column);
    const QString &dataField() const { return m_column; }

    // Whether typed text waits to be handed to the row.
    bool hasPendingText() const { return m_pending; }
    // Hands the typed text to the row. Throws LoderaError when it is no date.
    void updateRecord();
    // The same, showing the error, giving the box the focus back and
    // returning false.
    bool tryUpdateRecord();

    static QString notADateMessage(const QString &text);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    void userEdited();
    void refresh();

    QPointer<DataSource> m_source;
    QString m_column;
    bool m_pending = false;
    bool m_starting = false;
    // Checks the text just after the box was left, outside the focus change.
    QTimer m_leftCheck;
};
