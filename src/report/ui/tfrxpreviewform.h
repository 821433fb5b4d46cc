#pragma once
// TfrxPreviewForm: the preview window.
//
// A toolbar over the preview control and a status bar under it. The toolbar
// holds only the buttons the report's preview options ask for, in a fixed
// order with separators between the groups that are present; the close
// button at its right end cancels a preparation in progress instead of
// closing, and the window refuses to close while a report is being prepared
// into it. Esc acts as the close button.
//
// The zoom box takes a percentage ("150", "150 %", " 150%") or one of the two
// zoom modes of its list; text that is no number is refused with a message
// and the zoom stays.
#include "report/model/frxtypes.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QToolBar;
class QToolButton;
class QStatusBar;
class TfrxPreview;
class TfrxReport;

class TfrxPreviewForm : public QDialog
{
    Q_OBJECT

public:
    explicit TfrxPreviewForm(QWidget *parent = nullptr);
    ~TfrxPreviewForm() override;

    TfrxPreview *Preview() const { return m_preview; }
    QToolButton *Button(const char *name) const;
    QComboBox *ZoomBox() const { return m_zoomCB; }
    QLabel *PagePanel() const { return m_pagePanel; }
    QLabel *MessagePanel() const { return m_messagePanel; }

    // Takes the report's preview options (see the class comment).
    void ApplyOptions(TfrxReport *report);
    // Whether the options ask for the window to be maximized.
    bool WantsMaximized() const { return m_maximized; }

    // The zoom (1.0 = 100 %) of a zoom box text; false when the text is no
    // number. An empty text (after the blanks and '%' are gone) leaves the
    // zoom alone and answers false too, with `empty` set.
    static bool ParseZoomText(const QString &text, double &zoom, bool *empty = nullptr);

    void reject() override;

public slots:
    void PrintBClick();
    void FindBClick();
    void ZoomWholePageBClick();
    void ZoomPageWidthBClick();
    void Zoom100BClick();
    void Zoom50BClick();
    void ZoomCBClick(int index);
    void ApplyZoomText();
    void PageSettingsBClick();
    void HandToolBClick();
    void ZoomToolBClick();
    void FirstBClick();
    void PriorBClick();
    void NextBClick();
    void LastBClick();
    void PageEEnter();
    void CancelBClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void createToolbar();
    void layoutToolbar();
    void updatePageDisplay(int pageNo);
    void updateZoomBox(double zoom);
    void preparingChanged(bool preparing);
    void enableButtons();
    void showError(const QString &text);
    void applyZoom(const QString &text);

    TfrxPreview *m_preview;
    QToolBar *m_toolBar;
    QStatusBar *m_statusBar;
    QLabel *m_pagePanel;
    QLabel *m_messagePanel;
    QComboBox *m_zoomCB;
    QLineEdit *m_pageE;
    QToolButton *m_cancelB;
    QString m_shownZoomText;
    QList<QAction *> m_items; // toolbar actions in order, separators included
    TfrxPreviewButtons m_buttons = TfrxPreviewButtons(0x7FF);
    bool m_allowEdit = true;
    bool m_maximized = true;
};
