#pragma once
// The program's record grid: a grid of rows and columns over a dataset whose
// current row is the grid's current row. Beyond a plain database grid it draws
// even-numbered rows in an alternate colour and the current row in its own
// selection colours, and one wheel step moves the dataset by MoveByRows rows
// (the wheel moves the current row, not the keyboard focus).
//
// Colours are kept as QColor; colour() converts the office's 24-bit values,
// stored blue byte highest, red byte lowest (F9EAE3 is red E3, green EA, blue F9).
#include <QColor>
#include <QTableView>
#include <functional>

class DataSource;
class RecordTableModel;

class TSrDBGrid : public QTableView
{
    Q_OBJECT
    Q_PROPERTY(int MoveByRows READ moveByRows WRITE setMoveByRows)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(QColor ColorAlternative READ colorAlternative WRITE setColorAlternative)
    Q_PROPERTY(QColor ColorSelect READ colorSelect WRITE setColorSelect)
    Q_PROPERTY(QColor ColorSelectText READ colorSelectText WRITE setColorSelectText)
public:
    // Asked first on each wheel step; setting `handled` stops the grid's own move.
    using WheelHandler =
        std::function<void(TSrDBGrid *grid, Qt::KeyboardModifiers shift, QPoint pos, bool &handled)>;

    explicit TSrDBGrid(QWidget *parent = nullptr);

    static QColor colour(quint32 blueGreenRed);

    void setDataSource(DataSource *source);
    DataSource *dataSource() const { return m_source; }
    RecordTableModel *recordModel() const { return m_model; }
    void addColumn(const QString &fieldName, const QString &title, int width);

    int moveByRows() const { return m_moveByRows; }
    void setMoveByRows(int rows) { m_moveByRows = rows; }
    QColor color() const { return m_color; }
    void setColor(const QColor &c);
    QColor colorAlternative() const { return m_colorAlternative; }
    void setColorAlternative(const QColor &c);
    QColor colorSelect() const { return m_colorSelect; }
    void setColorSelect(const QColor &c);
    QColor colorSelectText() const { return m_colorSelectText; }
    void setColorSelectText(const QColor &c);

    // Grid options the office's grids switch off or on.
    void setTitleRow(bool shown);
    void setLines(bool shown);
    void setConfirmDelete(bool confirm) { m_confirmDelete = confirm; }
    // A display-only grid never deletes, whatever its dataset allows.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

    WheelHandler OnMouseWheelDown;
    WheelHandler OnMouseWheelUp;

    // One wheel step; true when it counts as handled.
    bool DoMouseWheelDown(Qt::KeyboardModifiers shift, QPoint pos);
    bool DoMouseWheelUp(Qt::KeyboardModifiers shift, QPoint pos);

    // The text of the grid's own delete question.
    static QString deleteQuestion();

signals:
    void titleClicked(const QString &fieldName);
    // Mouse position in grid coordinates, the title row included.
    void mouseMoved(QPoint pos);
    void entered();

protected:
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    bool wheelStep(int rows, const WheelHandler &handler, Qt::KeyboardModifiers shift, QPoint pos);
    void followDataset();
    void deleteCurrent();
    void repaintAll();

    DataSource *m_source = nullptr;
    RecordTableModel *m_model = nullptr;
    int m_moveByRows = 1;
    QColor m_color;
    QColor m_colorAlternative;
    QColor m_colorSelect;
    QColor m_colorSelectText;
    bool m_confirmDelete = true;
    bool m_readOnly = false;
    bool m_following = false;
    int m_wheelRemainder = 0;
};
