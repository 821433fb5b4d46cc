#pragma once
// A drop-down with free text bound to one column: the list offers values to
// choose, any other text may be typed, and typing is not limited.
#include <QComboBox>

class DataSource;
class FieldBinding;

class DBComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit DBComboBox(QWidget *parent = nullptr);

    void bind(DataSource *source, const QString &column);
    const QString &dataField() const;

private:
    void store(const QString &text);
    void show(const QString &text);

    FieldBinding *m_binding;
};
