#pragma once
// TfrxCustomMemoView: a text object. The text is a list of lines that may hold
// bracketed expressions; the engine expands them on output (Value keeps the last
// expanded value). This class holds every memo member; TfrxMemoView and
// TfrxSysMemoView publish the ones each offers.
#include "report/model/tfrxformat.h"
#include "report/model/tfrxhighlight.h"
#include "report/model/tfrxstretcheable.h"

#include <QPointer>
#include <QStringList>
#include <QVariant>

class TfrxCustomMemoView : public TfrxStretcheable
{
    Q_OBJECT
public:
    Q_INVOKABLE explicit TfrxCustomMemoView(TfrxComponent *AOwner = nullptr);

    const QStringList &Memo() const { return m_memo; }
    void SetMemo(const QStringList &v) { m_memo = v; }
    // The lines as one string, each line followed by CR LF.
    QString Text() const;
    // Splits at CR LF, LF or CR; a final line break adds no empty line.
    void SetText(const QString &v);
    const QStringList &Lines() const { return m_memo; }
    static QStringList SplitLines(const QString &text);

    bool AllowExpressions() const { return m_allowExpressions; }
    void SetAllowExpressions(bool v) { m_allowExpressions = v; }
    const QString &ExpressionDelimiters() const { return m_expressionDelimiters; }
    void SetExpressionDelimiters(const QString &v) { m_expressionDelimiters = v; }
    bool AllowHTMLTags() const { return m_allowHTMLTags; }
    void SetAllowHTMLTags(bool v) { m_allowHTMLTags = v; }
    bool AutoWidth() const { return m_autoWidth; }
    void SetAutoWidth(bool v) { m_autoWidth = v; }
    double CharSpacing() const { return m_charSpacing; }
    void SetCharSpacing(double v) { m_charSpacing = v; }
    bool Clipped() const { return m_clipped; }
    void SetClipped(bool v) { m_clipped = v; }
    TfrxFormat *DisplayFormat() const { return m_displayFormat; }
    TfrxCustomMemoView *FlowTo() const { return m_flowTo; }
    void SetFlowTo(TfrxCustomMemoView *v) { m_flowTo = v; }
    double GapX() const { return m_gapX; }
    void SetGapX(double v) { m_gapX = v; }
    double GapY() const { return m_gapY; }
    void SetGapY(double v) { m_gapY = v; }
    TfrxHAlign HAlign() const { return m_hAlign; }
    void SetHAlign(TfrxHAlign v) { m_hAlign = v; }
    TfrxVAlign VAlign() const { return m_vAlign; }
    void SetVAlign(TfrxVAlign v) { m_vAlign = v; }
    bool HideZeros() const { return m_hideZeros; }
    void SetHideZeros(bool v) { m_hideZeros = v; }
    TfrxHighlight *Highlight() const { return m_highlight; }
    double LineSpacing() const { return m_lineSpacing; }
    void SetLineSpacing(double v) { m_lineSpacing = v; }
    double ParagraphGap() const { return m_paragraphGap; }
    void SetParagraphGap(double v) { m_paragraphGap = v; }
    int Rotation() const { return m_rotation; }
    // Keeps the angle modulo 360, with the sign of the value.
    void SetRotation(int v) { m_rotation = v % 360; }
    bool RTLReading() const { return m_rtlReading; }
    void SetRTLReading(bool v) { m_rtlReading = v; }
    const QString &Style() const { return m_style; }
    // Takes colour, font and frame of the report's style entry of that name
    // (not while the memo is being read, when those members follow anyway).
    void SetStyle(const QString &v);
    bool SuppressRepeated() const { return m_suppressRepeated; }
    void SetSuppressRepeated(bool v) { m_suppressRepeated = v; }
    bool Underlines() const { return m_underlines; }
    void SetUnderlines(bool v) { m_underlines = v; }
    bool WordBreak() const { return m_wordBreak; }
    void SetWordBreak(bool v) { m_wordBreak = v; }
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool v) { m_wordWrap = v; }
    const QVariant &Value() const { return m_value; }
    void SetValue(const QVariant &v) { m_value = v; }

    Q_INVOKABLE bool IsCharSpacingStored() const { return m_charSpacing != 0; }
    Q_INVOKABLE bool IsExpressionDelimitersStored() const { return m_expressionDelimiters != QLatin1String("[,]"); }
    Q_INVOKABLE bool IsGapXStored() const { return m_gapX != 2; }
    Q_INVOKABLE bool IsGapYStored() const { return m_gapY != 1; }
    Q_INVOKABLE bool IsHighlightStored() const { return !m_highlight->Condition().trimmed().isEmpty(); }
    Q_INVOKABLE bool IsLineSpacingStored() const { return m_lineSpacing != 2; }
    Q_INVOKABLE bool IsParagraphGapStored() const { return m_paragraphGap != 0; }

    // A filled-in text survives a run: only what the run itself writes into a
    // memo that is not bound to a field is put back.
    void BeforeOutput() override;
    void AfterOutput() override;
    // Hands the memo to the report's data loader (see TfrxDataLoader).
    void FetchData() override;

private:
    QStringList m_memo;
    bool m_allowExpressions = true;
    QString m_expressionDelimiters = QStringLiteral("[,]");
    bool m_allowHTMLTags = false;
    bool m_autoWidth = false;
    double m_charSpacing = 0;
    bool m_clipped = true;
    TfrxFormat *m_displayFormat;
    QPointer<TfrxCustomMemoView> m_flowTo;
    double m_gapX = 2;
    double m_gapY = 1;
    TfrxHAlign m_hAlign = TfrxHAlign::haLeft;
    TfrxVAlign m_vAlign = TfrxVAlign::vaTop;
    bool m_hideZeros = false;
    TfrxHighlight *m_highlight;
    double m_lineSpacing = 2;
    double m_paragraphGap = 0;
    int m_rotation = 0;
    bool m_rtlReading = false;
    QString m_style;
    bool m_suppressRepeated = false;
    bool m_underlines = false;
    bool m_wordBreak = false;
    bool m_wordWrap = true;
    QVariant m_value;
    QStringList m_savedMemo;
    bool m_savedMemoValid = false;
};
