#include "records/ui/tsrdbgrid.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"
#include "records/ui/recordtablemodel.h"
#include "records/ui/srdbgriddelegate.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWheelEvent>

TSrDBGrid::TSrDBGrid(QWidget *parent)
    : QTableView(parent), m_color(colour(0xF7DFD6)), m_colorAlternative(colour(0xF9EAE3)),
      m_colorSelect(colour(0xFFFFFF)), m_colorSelectText(colour(0x0000FF))
{
    setItemDelegate(new SrDBGridDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setMouseTracking(true);
    horizontalHeader()->installEventFilter(this);
    horizontalHeader()->viewport()->setMouseTracking(true);
    horizontalHeader()->viewport()->installEventFilter(this);
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (m_model)
            emit titleClicked(m_model->fieldNameAt(section));
    });
    repaintAll();
}

QColor TSrDBGrid::colour(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void TSrDBGrid::setDataSource(DataSource *source)
{
    m_source = source;
    m_model = new RecordTableModel(source->dataset(), this);
    setModel(m_model);
    connect(source->dataset(), &db::Dataset::currentChanged, this, &TSrDBGrid::followDataset);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TSrDBGrid::followDataset);
    followDataset();
}

void TSrDBGrid::addColumn(const QString &fieldName, const QString &title, int width)
{
    m_model->addColumn(fieldName, title);
    setColumnWidth(m_model->columnCount() - 1, width);
}

void TSrDBGrid::setColor(const QColor &c)
{
    if (c == m_color)
        return;
    m_color = c;
    repaintAll();
}

void TSrDBGrid::setColorAlternative(const QColor &c)
{
    if (c == m_colorAlternative)
        return;
    m_colorAlternative = c;
    repaintAll();
}

void TSrDBGrid::setColorSelect(const QColor &c)
{
    if (c == m_colorSelect)
        return;
    m_colorSelect = c;
    repaintAll();
}

void TSrDBGrid::setColorSelectText(const QColor &c)
{
    if (c == m_colorSelectText)
        return;
    m_colorSelectText = c;
    repaintAll();
}

void TSrDBGrid::repaintAll()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, m_color);
    setPalette(pal);
    viewport()->update();
}

void TSrDBGrid::setTitleRow(bool shown)
{
    horizontalHeader()->setVisible(shown);
}

void TSrDBGrid::setLines(bool shown)
{
    setShowGrid(shown);
}

QString TSrDBGrid::deleteQuestion()
{
    return QStringLiteral("Delete record?");
}

void TSrDBGrid::followDataset()
{
    if (!m_model)
        return;
    m_following = true;
    const int row = m_model->currentRow();
    if (row < 0) {
        selectionModel()->clear();
    } else {
        const int column = std::max(currentIndex().column(), 0);
        const QModelIndex idx = m_model->index(row, column);
        selectionModel()->setCurrentIndex(idx, QItemSelectionModel::ClearAndSelect
                                                   | QItemSelectionModel::Rows);
        scrollTo(idx);
    }
    m_following = false;
}

void TSrDBGrid::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QTableView::currentChanged(current, previous);
    if (m_following || !m_model || !current.isValid() || current.row() == m_model->currentRow())
        return;
    const int row = current.row();
    ErrorBox::guard([&] { m_model->dataset()->setRecNo(row + 1); });
    // A refused store keeps the row; the grid shows where the dataset is.
    if (m_model->currentRow() != row)
        QMetaObject::invokeMethod(this, &TSrDBGrid::followDataset, Qt::QueuedConnection);
}

bool TSrDBGrid::wheelStep(int rows, const WheelHandler &handler, Qt::KeyboardModifiers shift,
                          QPoint pos)
{
    bool handled = false;
    if (handler) {
        handler(this, shift, pos, handled);
        if (handled)
            return true;
    }
    if (!m_source || !m_source->isActive())
        return false;
    int moved = 0;
    ErrorBox::guard([&] { moved = m_source->dataset()->moveBy(rows); });
    return moved != 0;
}

bool TSrDBGrid::DoMouseWheelDown(Qt::KeyboardModifiers shift, QPoint pos)
{
    return wheelStep(m_moveByRows, OnMouseWheelDown, shift, pos);
}

bool TSrDBGrid::DoMouseWheelUp(Qt::KeyboardModifiers shift, QPoint pos)
{
    return wheelStep(-m_moveByRows, OnMouseWheelUp, shift, pos);
}

void TSrDBGrid::wheelEvent(QWheelEvent *event)
{
    m_wheelRemainder += event->angleDelta().y();
    const QPoint pos = event->position().toPoint();
    bool handled = false;
    while (m_wheelRemainder >= 120) {
        m_wheelRemainder -= 120;
        handled |= DoMouseWheelUp(event->modifiers(), pos);
    }
    while (m_wheelRemainder <= -120) {
        m_wheelRemainder += 120;
        handled |= DoMouseWheelDown(event->modifiers(), pos);
    }
    event->setAccepted(handled);
}

void TSrDBGrid::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::ControlModifier) {
        deleteCurrent();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void TSrDBGrid::deleteCurrent()
{
    if (!m_source || !m_source->isActive() || !m_confirmDelete || m_readOnly)
        return;
    // Nothing to ask about over an empty list or rows that cannot be
    // deleted, such as a computed result.
    db::Dataset *ds = m_source->dataset();
    if (ds->isEmpty() || !ds->canModify())
        return;
    const auto answer = QMessageBox::question(window(), QApplication::applicationName(),
                                              deleteQuestion(), QMessageBox::Ok | QMessageBox::Cancel,
                                              QMessageBox::Cancel);
    if (answer == QMessageBox::Ok)
        ErrorBox::guard([&] { ds->deleteRecord(); });
}

void TSrDBGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        emit entered();
}

void TSrDBGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    // Leaving the grid drops a row that was appended and never typed into.
    if (m_source && m_source->isActive()) {
        db::Dataset *ds = m_source->dataset();
        if (ds->state() == db::DatasetState::Insert && !ds->isModified())
            ds->cancel();
    }
}

bool TSrDBGrid::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        auto *w = static_cast<QWidget *>(watched);
        const QPoint pos = w->mapTo(this, static_cast<QMouseEvent *>(event)->position().toPoint());
        emit mouseMoved(pos);
    }
    return QTableView::eventFilter(watched, event);
}
