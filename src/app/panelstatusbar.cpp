#include "app/panelstatusbar.h"

#include <QHBoxLayout>
#include <QLabel>

PanelStatusBar::PanelStatusBar(std::vector<int> widths, QWidget *parent) : QWidget(parent)
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 2, 0, 0);
    row->setSpacing(2);
    widths.push_back(-1);
    for (int width : widths) {
        auto *panel = new QLabel(this);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText);
        panel->setIndent(1);
        if (width > 0)
            panel->setFixedWidth(width);
        row->addWidget(panel, width > 0 ? 0 : 1);
        m_panels.push_back(panel);
    }
}

QString PanelStatusBar::panelText(int index) const
{
    return m_panels.at(size_t(index))->text();
}

void PanelStatusBar::setPanelText(int index, const QString &text)
{
    QLabel *panel = m_panels.at(size_t(index));
    if (panel->text() != text)
        panel->setText(text);
}
