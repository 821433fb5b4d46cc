#pragma once
// TfrxBand: a horizontal strip of a page that the band engine prints as a unit.
// Its objects are its children, positioned relative to the band. A band's Top
// is where it was designed on the page; the engine only uses it to order the
// bands of one page among themselves.
//
// Every band keeps all band switches here; each band kind publishes the ones it
// uses, and the engine tells the kinds apart by BandNumber().
#include "report/model/tfrxreportcomponent.h"

#include <QPointer>

class TfrxChild;

class TfrxBand : public TfrxReportComponent
{
    Q_OBJECT
    Q_PROPERTY(bool Vertical READ Vertical WRITE SetVertical)
    Q_PROPERTY(QString OnAfterCalcHeight READ OnAfterCalcHeight WRITE SetOnAfterCalcHeight)
    Q_PROPERTY(QString OnAfterPrint READ OnAfterPrint WRITE SetOnAfterPrint)
    Q_PROPERTY(QString OnBeforePrint READ OnBeforePrint WRITE SetOnBeforePrint)
public:
    Q_INVOKABLE explicit TfrxBand(TfrxComponent *AOwner = nullptr) : TfrxReportComponent(AOwner) {}

    // 0 report title ... 17 overlay; 0 as well for a plain or null band.
    int BandNumber() const;

    bool Vertical() const { return m_vertical; }
    void SetVertical(bool v) { m_vertical = v; }
    // The child band printed after this one; cleared when that band is destroyed.
    TfrxChild *Child() const;
    void SetChild(TfrxChild *v);
    // Maintained by the band engine while it splits the band over pages.
    bool Overflow() const { return m_overflow; }
    void SetOverflow(bool v) { m_overflow = v; }

    bool AllowSplit() const { return m_allowSplit; }
    void SetAllowSplit(bool v) { m_allowSplit = v; }
    QString Condition() const { return m_condition; }
    void SetCondition(const QString &v) { m_condition = v; }
    bool FooterAfterEach() const { return m_footerAfterEach; }
    void SetFooterAfterEach(bool v) { m_footerAfterEach = v; }
    bool KeepChild() const { return m_keepChild; }
    void SetKeepChild(bool v) { m_keepChild = v; }
    bool KeepFooter() const { return m_keepFooter; }
    void SetKeepFooter(bool v) { m_keepFooter = v; }
    bool KeepHeader() const { return m_keepHeader; }
    void SetKeepHeader(bool v) { m_keepHeader = v; }
    bool KeepTogether() const { return m_keepTogether; }
    void SetKeepTogether(bool v) { m_keepTogether = v; }
    QString OutlineText() const { return m_outlineText; }
    void SetOutlineText(const QString &v) { m_outlineText = v; }
    bool PrintChildIfInvisible() const { return m_printChildIfInvisible; }
    void SetPrintChildIfInvisible(bool v) { m_printChildIfInvisible = v; }
    bool PrintIfDetailEmpty() const { return m_printIfDetailEmpty; }
    void SetPrintIfDetailEmpty(bool v) { m_printIfDetailEmpty = v; }
    bool PrintOnFirstPage() const { return m_printOnFirstPage; }
    void SetPrintOnFirstPage(bool v) { m_printOnFirstPage = v; }
    bool PrintOnLastPage() const { return m_printOnLastPage; }
    void SetPrintOnLastPage(bool v) { m_printOnLastPage = v; }
    bool ReprintOnNewPage() const { return m_reprintOnNewPage; }
    void SetReprintOnNewPage(bool v) { m_reprintOnNewPage = v; }
    bool StartNewPage() const { return m_startNewPage; }
    void SetStartNewPage(bool v) { m_startNewPage = v; }
    bool Stretched() const { return m_stretched; }
    void SetStretched(bool v) { m_stretched = v; }

    const QString &OnAfterCalcHeight() const { return m_onAfterCalcHeight; }
    void SetOnAfterCalcHeight(const QString &v) { m_onAfterCalcHeight = v; }
    const QString &OnAfterPrint() const { return m_onAfterPrint; }
    void SetOnAfterPrint(const QString &v) { m_onAfterPrint = v; }
    const QString &OnBeforePrint() const { return m_onBeforePrint; }
    void SetOnBeforePrint(const QString &v) { m_onBeforePrint = v; }

private:
    bool m_vertical = false;
    QPointer<TfrxBand> m_child;
    bool m_overflow = false;
    bool m_allowSplit = false;
    QString m_condition;
    bool m_footerAfterEach = false;
    bool m_keepChild = false;
    bool m_keepFooter = false;
    bool m_keepHeader = false;
    bool m_keepTogether = false;
    QString m_outlineText;
    bool m_printChildIfInvisible = false;
    bool m_printIfDetailEmpty = false;
    bool m_printOnFirstPage = false;
    bool m_printOnLastPage = false;
    bool m_reprintOnNewPage = false;
    bool m_startNewPage = false;
    bool m_stretched = false;
    QString m_onAfterCalcHeight;
    QString m_onAfterPrint;
    QString m_onBeforePrint;
};
