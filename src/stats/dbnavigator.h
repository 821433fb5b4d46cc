#pragma once
// A record navigator: a row of flat buttons that move through a dataset and
// edit it (first, prior, next, last, insert, delete, post, cancel). The
// buttons are enabled as the dataset allows: the moves while there is a row
// to go to, insert while not editing, delete while there is a row, post and
// cancel while a row is being edited.
//
// Edits that a bound control holds back until it is left (a date being
// typed) are handed in through the update hook before every move, insert and
// post; a hook that throws stops the action, the row stays in edit state and
// the error is shown. Errors of the dataset itself are shown the same way.
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>

class DataSource;
class QToolButton;

class DBNavigator : public QWidget
{
    Q_OBJECT
public:
    enum Button { nbFirst, nbPrior, nbNext, nbLast, nbInsert, nbDelete, nbPost, nbCancel };
    static constexpr int ButtonCount = 8;

    explicit DBNavigator(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    // Gives every button its tool tip, in the order of Button.
    void setHints(const QStringList &hints);
    // Run before an action that stores or leaves the current row.
    void setUpdateRecord(std::function<void()> hook) { m_updateRecord = std::move(hook); }

    QToolButton *button(Button which) const { return m_buttons[which]; }
    // Does what a click on the button does.
    void BtnClick(Button which);

    // The platform's question before a row is deleted.
    static QString deleteQuestion();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void act(Button which);
    void updateButtons();

    QPointer<DataSource> m_source;
    std::array<QToolButton *, ButtonCount> m_buttons{};
    std::function<void()> m_updateRecord;
};
