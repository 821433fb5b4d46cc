#include "settings/textrulefilter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Text that inserts characters, as opposed to the control characters that
// shortcuts such as Ctrl+A or Ctrl+V carry.
bool insertsText(const QString &text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    }
    return true;
}

} // namespace

TextRuleFilter::TextRuleFilter(QLineEdit *edit, std::optional<TextRule> rule)
    : QObject(edit), m_edit(edit), m_rule(rule)
{
}

bool TextRuleFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_edit || m_resending)
        return false;
    if (event->type() == QEvent::KeyPress)
        return filterKey(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::InputMethod)
        return filterInputMethod(static_cast<QInputMethodEvent *>(event));
    return false;
}

QString TextRuleFilter::apply(QChar before, QStringView typed) const
{
    return m_rule ? applyTextRule(*m_rule, before, typed) : applyCp1254Filter(typed);
}

// The character just before where typed text lands: the start of the selection
// when there is one, else the caret, moved by offset.
QChar TextRuleFilter::characterBefore(int offset) const
{
    const int caret = (m_edit->hasSelectedText() ? m_edit->selectionStart() : m_edit->cursorPosition()) + offset;
    const QString text = m_edit->text();
    return caret > 0 && caret <= text.size() ? text[caret - 1] : QChar();
}

bool TextRuleFilter::filterKey(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!insertsText(typed) || m_edit->isReadOnly())
        return false;
    const QString changed = apply(characterBefore(0), typed);
    if (changed == typed)
        return false;
    if (changed.isEmpty())
        return true;  // refused: the edit never sees it
    QKeyEvent replacement(event->type(), event->key(), event->modifiers(), changed, event->isAutoRepeat(),
                          ushort(event->count()));
    m_resending = true;
    QCoreApplication::sendEvent(m_edit, &replacement);
    m_resending = false;
    return true;
}

bool TextRuleFilter::filterInputMethod(QInputMethodEvent *event)
{
    const QString typed = event->commitString();
    if (typed.isEmpty() || m_edit->isReadOnly())
        return false;
    const QString changed = apply(characterBefore(qMin(event->replacementStart(), 0)), typed);
    if (changed == typed)
        return false;
    QInputMethodEvent replacement(event->preeditString(), event->attributes());
    replacement.setCommitString(changed, event->replacementStart(), event->replacementLength());
    m_resending = true;
    QCoreApplication::sendEvent(m_edit, &replacement);
    m_resending = false;
    return true;
}
