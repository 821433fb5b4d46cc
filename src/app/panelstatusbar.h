#pragma once
// The main window's status bar: fixed-width text panels side by side, the
// last one taking the rest of the width, each drawn sunken as the office's
// screens always had them.
#include <QWidget>
#include <vector>

class QLabel;

class PanelStatusBar : public QWidget
{
    Q_OBJECT
public:
    // `widths` of every panel but the last, which fills the rest.
    PanelStatusBar(std::vector<int> widths, QWidget *parent = nullptr);

    int panelCount() const { return int(m_panels.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString &text);

private:
    std::vector<QLabel *> m_panels;
};
