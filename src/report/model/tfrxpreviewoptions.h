#pragma once
// How the preview window of a report looks and behaves.
#include "report/model/frxtypes.h"
#include "report/model/tfrxpersistent.h"

class TfrxPreviewOptions : public TfrxPersistent
{
    Q_OBJECT
    Q_PROPERTY(bool AllowEdit READ AllowEdit WRITE SetAllowEdit)
    Q_PROPERTY(TfrxPreviewButtons Buttons READ Buttons WRITE SetButtons)
    Q_PROPERTY(bool DoubleBuffered READ DoubleBuffered WRITE SetDoubleBuffered)
    Q_PROPERTY(bool Maximized READ Maximized WRITE SetMaximized)
    Q_PROPERTY(bool MDIChild READ MDIChild WRITE SetMDIChild)
    Q_PROPERTY(bool Modal READ Modal WRITE SetModal)
    Q_PROPERTY(bool OutlineVisible READ OutlineVisible WRITE SetOutlineVisible)
    Q_PROPERTY(int OutlineWidth READ OutlineWidth WRITE SetOutlineWidth)
    Q_PROPERTY(bool ShowCaptions READ ShowCaptions WRITE SetShowCaptions)
    Q_PROPERTY(double Zoom READ Zoom WRITE SetZoom)
    Q_PROPERTY(TfrxZoomMode ZoomMode READ ZoomMode WRITE SetZoomMode)
public:
    static constexpr TfrxPreviewButtons AllButtons = TfrxPreviewButtons(0x7FF);

    Q_INVOKABLE explicit TfrxPreviewOptions(QObject *parent = nullptr) : TfrxPersistent(parent) {}

    bool AllowEdit() const { return m_allowEdit; }
    void SetAllowEdit(bool v) { m_allowEdit = v; }
    TfrxPreviewButtons Buttons() const { return m_buttons; }
    void SetButtons(TfrxPreviewButtons v) { m_buttons = v; }
    bool DoubleBuffered() const { return m_doubleBuffered; }
    void SetDoubleBuffered(bool v) { m_doubleBuffered = v; }
    bool Maximized() const { return m_maximized; }
    void SetMaximized(bool v) { m_maximized = v; }
    bool MDIChild() const { return m_mdiChild; }
    void SetMDIChild(bool v) { m_mdiChild = v; }
    bool Modal() const { return m_modal; }
    void SetModal(bool v) { m_modal = v; }
    bool OutlineVisible() const { return m_outlineVisible; }
    void SetOutlineVisible(bool v) { m_outlineVisible = v; }
    // Pixels.
    int OutlineWidth() const { return m_outlineWidth; }
    void SetOutlineWidth(int v) { m_outlineWidth = v; }
    bool ShowCaptions() const { return m_showCaptions; }
    void SetShowCaptions(bool v) { m_showCaptions = v; }
    double Zoom() const { return m_zoom; }
    void SetZoom(double v) { m_zoom = v; }
    TfrxZoomMode ZoomMode() const { return m_zoomMode; }
    void SetZoomMode(TfrxZoomMode v) { m_zoomMode = v; }

private:
    bool m_allowEdit = true;
    TfrxPreviewButtons m_buttons = AllButtons;
    bool m_doubleBuffered = true;
    bool m_maximized = true;
    bool m_mdiChild = false;
    bool m_modal = true;
    bool m_outlineVisible = false;
    int m_outlineWidth = 120;
    bool m_showCaptions = false;
    double m_zoom = 1;
    TfrxZoomMode m_zoomMode = TfrxZoomMode::zmDefault;
};
