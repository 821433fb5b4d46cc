#include "report/ui/tfrxpreviewform.h"

#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/frxunits.h"
#include "report/base/tfrxresources.h"
#include "report/model/tfrxreport.h"
#include "report/output/tfrxprinters.h"
#include "report/output/tfrxpreviewpages.h"
#include "report/ui/tfrxpreview.h"
#include "report/ui/tfrxpreviewicons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Toolbar items in order; an empty name is a separator.
struct ToolItem
{
    const char *name;
    TfrxPreviewButton shownBy;
};

const ToolItem kToolItems[] = {
    {"PrintB", TfrxPreviewButton::pbPrint},
    {"OpenB", TfrxPreviewButton::pbLoad},
    {"SaveB", TfrxPreviewButton::pbSave},
    {"ExportB", TfrxPreviewButton::pbExport},
    {"FindB", TfrxPreviewButton::pbFind},
    {"", TfrxPreviewButton::pbZoom},
    {"ZoomWholePageB", TfrxPreviewButton::pbZoom},
    {"ZoomPageWidthB", TfrxPreviewButton::pbZoom},
    {"Zoom100B", TfrxPreviewButton::pbZoom},
    {"Zoom50B", TfrxPreviewButton::pbZoom},
    {"ZoomCB", TfrxPreviewButton::pbZoom},
    {"", TfrxPreviewButton(0)}, // page settings or outline
    {"PageSettingsB", TfrxPreviewButton::pbPageSetup},
    {"OutlineB", TfrxPreviewButton::pbOutline},
    {"", TfrxPreviewButton::pbTools},
    {"HandToolB", TfrxPreviewButton::pbTools},
    {"ZoomToolB", TfrxPreviewButton::pbTools},
    {"", TfrxPreviewButton::pbEdit},
    {"NewPageB", TfrxPreviewButton::pbEdit},
    {"DelPageB", TfrxPreviewButton::pbEdit},
    {"DesignerB", TfrxPreviewButton::pbEdit},
    {"", TfrxPreviewButton::pbNavigator},
    {"FirstB", TfrxPreviewButton::pbNavigator},
    {"PriorB", TfrxPreviewButton::pbNavigator},
    {"PageE", TfrxPreviewButton::pbNavigator},
    {"NextB", TfrxPreviewButton::pbNavigator},
    {"LastB", TfrxPreviewButton::pbNavigator},
};

// The engine's "%d" texts: each %d in turn takes the next number.
QString formatInts(QString text, std::initializer_list<int> values)
{
    qsizetype from = 0;
    for (int v : values) {
        const qsizetype at = text.indexOf(QLatin1String("%d"), from);
        if (at < 0)
            break;
        const QString n = QString::number(v);
        text.replace(at, 2, n);
        from = at + n.size();
    }
    return text;
}

// Buttons that a preparation in progress disables.
const char *const kRunDisabled[] = {"PrintB", "OpenB", "SaveB", "ExportB", "FindB", "PageSettingsB"};
const char *const kEditButtons[] = {"NewPageB", "DelPageB", "DesignerB"};

} // namespace

TfrxPreviewForm::TfrxPreviewForm(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrxPreviewForm"));
    setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    QFont f = QApplication::font();
    f.setPointSize(8);
    setFont(f);
    resize(741, 584);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("ToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setFixedHeight(29);
    layout->addWidget(m_toolBar);
    m_preview = new TfrxPreview(this);
    layout->addWidget(m_preview, 1);
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar"));
    m_statusBar->setSizeGripEnabled(false);
    m_pagePanel = new QLabel(m_statusBar);
    m_pagePanel->setObjectName(QStringLiteral("PagePanel"));
    m_pagePanel->setFixedWidth(150);
    m_messagePanel = new QLabel(m_statusBar);
    m_messagePanel->setObjectName(QStringLiteral("MessagePanel"));
    m_statusBar->addWidget(m_pagePanel);
    m_statusBar->addWidget(m_messagePanel, 1);
    layout->addWidget(m_statusBar);

    createToolbar();
    frxResources()->LocalizeWindow(this, QStringLiteral("TfrxPreviewForm"));

    connect(m_preview, &TfrxPreview::PageChanged, this, &TfrxPreviewForm::updatePageDisplay);
    connect(m_preview, &TfrxPreview::ZoomChanged, this, &TfrxPreviewForm::updateZoomBox);
    connect(m_preview, &TfrxPreview::PreparingChanged, this, &TfrxPreviewForm::preparingChanged);
    connect(m_preview, &TfrxPreview::FirstPageShown, this,
            [this] { m_cancelB->setText(frxResources()->Get(QStringLiteral("clCancel"))); });
    connect(m_preview, &TfrxPreview::StatusMessage, m_messagePanel, &QLabel::setText);

    if (QScreen *screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_preview->setFocus();
}

TfrxPreviewForm::~TfrxPreviewForm() = default;

void TfrxPreviewForm::createToolbar()
{
    for (const ToolItem &item : kToolItems) {
        const QString name = QLatin1String(item.name);
        QAction *action = nullptr;
        if (name.isEmpty()) {
            action = m_toolBar->addSeparator();
        } else if (name == QLatin1String("ZoomCB")) {
            m_zoomCB = new QComboBox(m_toolBar);
            m_zoomCB->setObjectName(name);
            m_zoomCB->setEditable(true);
            m_zoomCB->setInsertPolicy(QComboBox::NoInsert);
            m_zoomCB->setFixedWidth(100);
            m_zoomCB->addItems({QStringLiteral("25%"), QStringLiteral("50%"), QStringLiteral("75%"),
                                QStringLiteral("100%"), QStringLiteral("150%"), QStringLiteral("200%"),
                                frxResources()->Get(QStringLiteral("zmPageWidth")),
                                frxResources()->Get(QStringLiteral("zmWholePage"))});
            connect(m_zoomCB, &QComboBox::activated, this, &TfrxPreviewForm::ZoomCBClick);
            action = m_toolBar->addWidget(m_zoomCB);
        } else if (name == QLatin1String("PageE")) {
            m_pageE = new QLineEdit(m_toolBar);
            m_pageE->setObjectName(name);
            m_pageE->setFixedWidth(40);
            connect(m_pageE, &QLineEdit::returnPressed, this, &TfrxPreviewForm::PageEEnter);
            action = m_toolBar->addWidget(m_pageE);
        } else {
            auto *button = new QToolButton(m_toolBar);
            button->setObjectName(name);
            button->setAutoRaise(true);
            button->setFocusPolicy(Qt::NoFocus);
            button->setIcon(TfrxPreviewIcons::icon(name));
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
            button->setFixedHeight(23);
            action = m_toolBar->addWidget(button);
        }
        action->setObjectName(name.isEmpty() ? QStringLiteral("Separator") : name + QStringLiteral("Action"));
        m_items.append(action);
    }
    auto *spacer = new QWidget(m_toolBar);
    spacer->setFixedWidth(50);
    m_toolBar->addWidget(spacer)->setObjectName(QStringLiteral("SpacerAction"));
    m_cancelB = new QToolButton(m_toolBar);
    m_cancelB->setObjectName(QStringLiteral("CancelB"));
    m_cancelB->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_cancelB->setFixedSize(68, 23);
    m_cancelB->setFocusPolicy(Qt::NoFocus);
    m_toolBar->addWidget(m_cancelB)->setObjectName(QStringLiteral("CancelBAction"));

    Button("HandToolB")->setCheckable(true);
    Button("ZoomToolB")->setCheckable(true);
    Button("HandToolB")->setAutoExclusive(true);
    Button("ZoomToolB")->setAutoExclusive(true);
    Button("HandToolB")->setChecked(true);

    const std::pair<const char *, void (TfrxPreviewForm::*)()> clicks[] = {
        {"PrintB", &TfrxPreviewForm::PrintBClick},
        {"FindB", &TfrxPreviewForm::FindBClick},
        {"ZoomWholePageB", &TfrxPreviewForm::ZoomWholePageBClick},
        {"ZoomPageWidthB", &TfrxPreviewForm::ZoomPageWidthBClick},
        {"Zoom100B", &TfrxPreviewForm::Zoom100BClick},
        {"Zoom50B", &TfrxPreviewForm::Zoom50BClick},
        {"PageSettingsB", &TfrxPreviewForm::PageSettingsBClick},
        {"HandToolB", &TfrxPreviewForm::HandToolBClick},
        {"ZoomToolB", &TfrxPreviewForm::ZoomToolBClick},
        {"FirstB", &TfrxPreviewForm::FirstBClick},
        {"PriorB", &TfrxPreviewForm::PriorBClick},
        {"NextB", &TfrxPreviewForm::NextBClick},
        {"LastB", &TfrxPreviewForm::LastBClick},
        {"CancelB", &TfrxPreviewForm::CancelBClick},
    };
    for (const auto &[name, slot] : clicks)
        connect(Button(name), &QToolButton::clicked, this, slot);
    connect(m_zoomCB->lineEdit(), &QLineEdit::returnPressed, this, &TfrxPreviewForm::ApplyZoomText);
}

QToolButton *TfrxPreviewForm::Button(const char *name) const
{
    return findChild<QToolButton *>(QLatin1String(name));
}

void TfrxPreviewForm::layoutToolbar()
{
    using B = TfrxPreviewButton;
    const auto has = [this](B b) { return m_buttons.testFlag(b); };
    for (int i = 0; i < m_items.size(); ++i) {
        const ToolItem &item = kToolItems[i];
        bool visible;
        if (QLatin1String(item.name).isEmpty()) {
            if (item.shownBy == B(0))
                visible = has(B::pbPageSetup) || has(B::pbOutline);
            else
                visible = has(item.shownBy);
        } else {
            visible = has(item.shownBy);
        }
        m_items[i]->setVisible(visible);
    }
}

void TfrxPreviewForm::ApplyOptions(TfrxReport *report)
{
    TfrxPreviewOptions *o = report->PreviewOptions();
    m_maximized = o->Maximized();
    m_allowEdit = o->AllowEdit();
    m_buttons = o->Buttons();
    layoutToolbar();
    const Qt::ToolButtonStyle style = o->ShowCaptions() ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonIconOnly;
    for (QToolButton *b : m_toolBar->findChildren<QToolButton *>())
        if (b != m_cancelB)
            b->setToolButtonStyle(style);
    if (!report->ReportOptions()->Name().isEmpty())
        setWindowTitle(report->ReportOptions()->Name());

    m_preview->SetButtons(m_buttons);
    m_preview->SetReport(report, report->PreviewPages());
    m_preview->SetZoom(o->Zoom());
    m_preview->SetZoomMode(o->ZoomMode());
    enableButtons();
    m_preview->Search().SetMade(false);
    m_preview->Search().ClearFound();
    m_preview->UpdatePages();
    m_preview->UpdateZoom();
    m_preview->SetPageNo(1);
}

void TfrxPreviewForm::enableButtons()
{
    const bool preparing = m_preview->Preparing();
    for (const char *name : kRunDisabled)
        Button(name)->setEnabled(!preparing);
    for (const char *name : kEditButtons)
        Button(name)->setEnabled(!preparing && m_allowEdit);
}

void TfrxPreviewForm::preparingChanged(bool preparing)
{
    if (preparing) {
        for (const char *name : kRunDisabled) {
            Button(name)->setDown(false);
            Button(name)->setEnabled(false);
        }
        for (const char *name : kEditButtons)
            Button(name)->setEnabled(false);
        return;
    }
    m_cancelB->setText(frxResources()->Get(QStringLiteral("clClose")));
    m_messagePanel->clear();
    enableButtons();
}

void TfrxPreviewForm::updatePageDisplay(int pageNo)
{
    const int count = m_preview->PageCount();
    TfrxPreviewPages *pages = m_preview->PreviewPages();
    const bool firstPass = m_preview->Preparing() && pages && pages->Host() && !pages->Host()->FinalPass();
    if (firstPass)
        m_pagePanel->setText(frxResources()->Get(QStringLiteral("clFirstPass")) + QString::number(count));
    else
        m_pagePanel->setText(formatInts(frxResources()->Get(QStringLiteral("clPageOf")), {pageNo, count}));
    m_pageE->setText(QString::number(pageNo));
}

void TfrxPreviewForm::updateZoomBox(double zoom)
{
    m_shownZoomText = QString::number(frxRound(zoom * 100)) + QLatin1Char('%');
    m_zoomCB->setEditText(m_shownZoomText);
}

bool TfrxPreviewForm::ParseZoomText(const QString &text, double &zoom, bool *empty)
{
    QString t = text;
    t.replace(QLatin1Char('%'), QLatin1Char(' '));
    t.remove(QLatin1Char(' '));
    if (empty)
        *empty = t.isEmpty();
    if (t.isEmpty())
        return false;
    try {
        zoom = StrToFloatAny(t) / 100;
    } catch (const LoderaError &) {
        return false;
    }
    return std::isfinite(zoom);
}

void TfrxPreviewForm::ApplyZoomText()
{
    // Enter reaches here more than once (the line edit, then the box); what
    // the box shows of the zoom itself is no new request: taking it again
    // would round the zoom to whole percent.
    if (m_zoomCB->currentText() != m_shownZoomText)
        applyZoom(m_zoomCB->currentText());
    m_preview->setFocus();
}

void TfrxPreviewForm::applyZoom(const QString &text)
{
    double zoom = 0;
    bool empty = false;
    if (ParseZoomText(text, zoom, &empty)) {
        m_preview->SetZoom(zoom);
    } else if (!empty) {
        showError(QStringLiteral("'%1' geçerli bir yakınlaştırma değeri değil. Yüzde olarak bir sayı girin (örneğin 150).")
                      .arg(text.trimmed()));
        updateZoomBox(m_preview->Zoom());
    }
}

void TfrxPreviewForm::ZoomCBClick(int index)
{
    if (index == 6)
        m_preview->SetZoomMode(TfrxZoomMode::zmPageWidth);
    else if (index == 7)
        m_preview->SetZoomMode(TfrxZoomMode::zmWholePage);
    else
        applyZoom(m_zoomCB->itemText(index));
    m_preview->setFocus();
}

void TfrxPreviewForm::showError(const QString &text)
{
    QMessageBox::critical(this, frxResources()->Get(QStringLiteral("mbError")), text);
}

// --- buttons

void TfrxPreviewForm::PrintBClick()
{
    if (!PrinterList()->HasRealPrinters()) {
        showError(frxResources()->Get(QStringLiteral("clNoPrinters")));
    } else {
        try {
            m_preview->PrintFromPreview();
        } catch (const std::exception &e) {
            showError(QString::fromUtf8(e.what()));
        }
    }
    setEnabled(true);
}

void TfrxPreviewForm::FindBClick() { m_preview->FindText(); }
void TfrxPreviewForm::ZoomWholePageBClick() { m_preview->SetZoomMode(TfrxZoomMode::zmWholePage); }
void TfrxPreviewForm::ZoomPageWidthBClick() { m_preview->SetZoomMode(TfrxZoomMode::zmPageWidth); }
void TfrxPreviewForm::Zoom100BClick() { m_preview->SetZoom(1.0); }
void TfrxPreviewForm::Zoom50BClick() { m_preview->SetZoomMode(TfrxZoomMode::zmManyPages); }
void TfrxPreviewForm::PageSettingsBClick() { m_preview->PageSetup(); }
void TfrxPreviewForm::HandToolBClick() { m_preview->SetTool(TfrxPreview::Tool::HandTool); }
void TfrxPreviewForm::ZoomToolBClick() { m_preview->SetTool(TfrxPreview::Tool::ZoomTool); }
void TfrxPreviewForm::FirstBClick() { m_preview->GoFirst(); }
void TfrxPreviewForm::PriorBClick() { m_preview->GoPrior(); }
void TfrxPreviewForm::NextBClick() { m_preview->GoNext(); }
void TfrxPreviewForm::LastBClick() { m_preview->GoLast(); }

void TfrxPreviewForm::PageEEnter()
{
    bool ok = false;
    const int n = m_pageE->text().trimmed().toInt(&ok);
    if (!ok) {
        showError(QStringLiteral("'%1' geçerli bir sayfa numarası değil.").arg(m_pageE->text().trimmed()));
        m_pageE->setText(QString::number(m_preview->PageNo()));
        return;
    }
    m_preview->SetPageNo(n);
    m_preview->setFocus();
}

void TfrxPreviewForm::CancelBClick()
{
    if (m_preview->Preparing()) {
        if (TfrxReport *report = m_preview->Report())
            report->StopReport();
        return;
    }
    QDialog::reject();
}

void TfrxPreviewForm::reject()
{
    // Esc and the window's own close requests come here.
    CancelBClick();
}

void TfrxPreviewForm::closeEvent(QCloseEvent *event)
{
    if (m_preview->Preparing()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void TfrxPreviewForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        CancelBClick();
        return;
    }
    // Enter in the zoom box and the page box is taken by their own
    // returnPressed; it never closes the window.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
