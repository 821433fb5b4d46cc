#pragma once
// The event filter behind installTextRule and installCp1254Filter: it looks at
// each typed text before the edit sees it and, when a rule changes it, hands the
// edit the changed text as if that had been typed, so the edit's own limits,
// undo and "edited" signals all see an ordinary key press.
#include "settings/turkishtextrules.h"

#include <QObject>
#include <optional>

class QLineEdit;

class TextRuleFilter : public QObject
{
    Q_OBJECT
public:
    // No rule: only the code page refusal.
    TextRuleFilter(QLineEdit *edit, std::optional<TextRule> rule);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString apply(QChar before, QStringView typed) const;
    QChar characterBefore(int offset) const;
    bool filterKey(class QKeyEvent *event);
    bool filterInputMethod(class QInputMethodEvent *event);

    QLineEdit *m_edit;
    std::optional<TextRule> m_rule;
    bool m_resending = false;
};
