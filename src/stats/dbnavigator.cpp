#include "stats/dbnavigator.h"

#include "records/db/dataset.h"
#include "records/ui/datasource.h"
#include "records/ui/errorbox.h"
#include "records/ui/tsrdbgrid.h"

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QToolButton>

namespace {

const char *const buttonNames[DBNavigator::ButtonCount] = {
    "nbFirst", "nbPrior", "nbNext", "nbLast", "nbInsert", "nbDelete", "nbPost", "nbCancel"};

// Drawn glyphs in the spirit of the classic navigator: arrows, bars, plus,
// minus, tick and cross.
QIcon glyph(DBNavigator::Button which)
{
    QStyle *style = QApplication::style();
    switch (which) {
    case DBNavigator::nbFirst: return style->standardIcon(QStyle::SP_MediaSkipBackward);
    case DBNavigator::nbPrior: return style->standardIcon(QStyle::SP_MediaSeekBackward);
    case DBNavigator::nbNext: return style->standardIcon(QStyle::SP_MediaSeekForward);
    case DBNavigator::nbLast: return style->standardIcon(QStyle::SP_MediaSkipForward);
    case DBNavigator::nbInsert: return style->standardIcon(QStyle::SP_FileDialogNewFolder);
    case DBNavigator::nbDelete: return style->standardIcon(QStyle::SP_TrashIcon);
    case DBNavigator::nbPost: return style->standardIcon(QStyle::SP_DialogApplyButton);
    case DBNavigator::nbCancel: return style->standardIcon(QStyle::SP_DialogCancelButton);
    }
    return {};
}

} // namespace

DBNavigator::DBNavigator(QWidget *parent) : QWidget(parent)
{
    for (int i = 0; i < ButtonCount; ++i) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(buttonNames[i]));
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIcon(glyph(Button(i)));
        b->setIconSize({12, 12});
        connect(b, &QToolButton::clicked, this, [this, i] { BtnClick(Button(i)); });
        m_buttons[i] = b;
    }
    updateButtons();
}

QString DBNavigator::deleteQuestion()
{
    return TSrDBGrid::deleteQuestion();
}

void DBNavigator::setDataSource(DataSource *source)
{
    m_source = source;
    db::Dataset *ds = source->dataset();
    for (auto signal : {&db::Dataset::rowsChanged, &db::Dataset::currentChanged})
        connect(ds, signal, this, &DBNavigator::updateButtons);
    connect(ds, &db::Dataset::activeChanged, this, &DBNavigator::updateButtons);
    connect(ds, &db::Dataset::stateChanged, this, &DBNavigator::updateButtons);
    updateButtons();
}

void DBNavigator::setHints(const QStringList &hints)
{
    for (int i = 0; i < ButtonCount && i < hints.size(); ++i)
        m_buttons[i]->setToolTip(hints[i]);
}

void DBNavigator::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The buttons share the width; the first ones take the odd pixels.
    const int w = width() / ButtonCount;
    int extra = width() % ButtonCount;
    int x = 0;
    for (QToolButton *b : m_buttons) {
        const int bw = w + (extra-- > 0 ? 1 : 0);
        b->setGeometry(x, 0, bw, height());
        x += bw;
    }
}

void DBNavigator::updateButtons()
{
    db::Dataset *ds = m_source ? m_source->dataset() : nullptr;
    const bool active = ds && ds->isActive();
    const bool editing = active && ds->isEditing();
    const bool hasRow = active && !ds->isEmpty();
    const int row = hasRow ? ds->recNo() : 0;
    const int rows = hasRow ? ds->recordCount() : 0;
    m_buttons[nbFirst]->setEnabled(hasRow && row > 1);
    m_buttons[nbPrior]->setEnabled(hasRow && row > 1);
    m_buttons[nbNext]->setEnabled(hasRow && row < rows);
    m_buttons[nbLast]->setEnabled(hasRow && row < rows);
    m_buttons[nbInsert]->setEnabled(active && !editing);
    m_buttons[nbDelete]->setEnabled(hasRow);
    m_buttons[nbPost]->setEnabled(editing);
    m_buttons[nbCancel]->setEnabled(editing);
}

void DBNavigator::BtnClick(Button which)
{
    if (!m_source || !m_source->isActive())
        return;
    ErrorBox::guard([&] { act(which); });
    updateButtons();
}

void DBNavigator::act(Button which)
{
    db::Dataset &ds = *m_source->dataset();
    switch (which) {
    case nbCancel:
        ds.cancel();
        return;
    case nbDelete: {
        if (ds.isEmpty())
            return;
        const auto answer = QMessageBox::question(window(), QApplication::applicationName(),
                                                  deleteQuestion(),
                                                  QMessageBox::Ok | QMessageBox::Cancel,
                                                  QMessageBox::Cancel);
        if (answer == QMessageBox::Ok)
            ds.deleteRecord();
        return;
    }
    default:
        break;
    }
    if (m_updateRecord && ds.isEditing())
        m_updateRecord();
    switch (which) {
    case nbFirst: ds.first(); break;
    case nbPrior: ds.prior(); break;
    case nbNext: ds.next(); break;
    case nbLast: ds.last(); break;
    case nbInsert: ds.append(); break;
    case nbPost:
        if (ds.isEditing())
            ds.post();
        break;
    default: break;
    }
}
