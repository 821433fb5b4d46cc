#include "report/model/tfrxcomponent.h"

#include "platform/loderaerror.h"
#include "report/base/tfrxresources.h"
#include "report/model/tfrxdialogpage.h"
#include "report/model/tfrxreport.h"
#include "report/model/tfrxview.h"

#include <QSet>

#include <algorithm>

TfrxComponent::TfrxComponent(TfrxComponent *AOwner) : m_font(new TfrxFont(this))
{
    m_font->SetOnChange([this] { FontChanged(); });
    if (AOwner)
        SetParent(AOwner);
}

TfrxComponent::~TfrxComponent()
{
    if (m_parent)
        m_parent->m_objects.removeOne(this);
    m_parent = nullptr;
    destroyChildren();
    // The font dies with the QObject children; it must not call back into a
    // half-destroyed component.
    m_font->SetOnChange({});
}

void TfrxComponent::destroyChildren()
{
    while (!m_objects.isEmpty())
        delete m_objects.last();
}

void TfrxComponent::SetParent(TfrxComponent *AParent)
{
    if (AParent == m_parent)
        return;
    for (const TfrxComponent *p = AParent; p; p = p->m_parent)
        if (p == this)
            throw LoderaError(QStringLiteral("%1 kendi içine taşınamaz").arg(m_name.isEmpty() ? NamePrefix() : m_name));
    if (m_parent)
        m_parent->m_objects.removeOne(this);
    m_parent = AParent;
    QObject::setParent(AParent);
    if (AParent) {
        AParent->m_objects.append(this);
        if (m_parentFont)
            SetParentFont(true);
    }
}

QList<TfrxComponent *> TfrxComponent::AllObjects() const
{
    QList<TfrxComponent *> result;
    // Explicit stack: a hostile template may nest deeper than the call stack allows.
    QList<const TfrxComponent *> stack{this};
    QList<int> next{0};
    while (!stack.isEmpty()) {
        const TfrxComponent *c = stack.last();
        int &i = next.last();
        if (i >= c->m_objects.size()) {
            stack.removeLast();
            next.removeLast();
            continue;
        }
        TfrxComponent *child = c->m_objects[i++];
        result.append(child);
        stack.append(child);
        next.append(0);
    }
    return result;
}

TfrxComponent *TfrxComponent::FindObject(const QString &AName) const
{
    QList<const TfrxComponent *> stack{this};
    QList<int> next{0};
    while (!stack.isEmpty()) {
        const TfrxComponent *c = stack.last();
        int &i = next.last();
        if (i >= c->m_objects.size()) {
            stack.removeLast();
            next.removeLast();
            continue;
        }
        TfrxComponent *child = c->m_objects[i++];
        if (SameName(child->m_name, AName))
            return child;
        if (!child->m_objects.isEmpty()) {
            stack.append(child);
            next.append(0);
        }
    }
    return nullptr;
}

TfrxPage *TfrxComponent::Page() const
{
    for (const TfrxComponent *c = this; c; c = c->m_parent)
        if (auto *p = qobject_cast<TfrxPage *>(const_cast<TfrxComponent *>(c)))
            return p;
    return nullptr;
}

TfrxReport *TfrxComponent::OwnerReport() const
{
    for (const TfrxComponent *c = this; c; c = c->m_parent)
        if (auto *r = qobject_cast<TfrxReport *>(const_cast<TfrxComponent *>(c)))
            return r;
    return nullptr;
}

void TfrxComponent::Clear()
{
    destroyChildren();
}

bool TfrxComponent::SameName(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        char16_t x = a[i].unicode();
        char16_t y = b[i].unicode();
        if (x >= 'a' && x <= 'z')
            x -= 32;
        if (y >= 'a' && y <= 'z')
            y -= 32;
        if (x != y)
            return false;
    }
    return true;
}

bool TfrxComponent::IsValidIdent(const QString &s)
{
    if (s.isEmpty())
        return false;
    const auto letter = [](char16_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    if (!letter(s[0].unicode()))
        return false;
    return std::all_of(s.begin(), s.end(), [&](QChar c) {
        return letter(c.unicode()) || (c.unicode() >= '0' && c.unicode() <= '9');
    });
}

void TfrxComponent::SetName(const QString &AName)
{
    if (AName == m_name)
        return;
    if (!AName.isEmpty()) {
        if (TfrxReport *report = OwnerReport()) {
            TfrxComponent *found = report->FindObject(AName);
            if (found && found != this)
                throw LoderaError(EngineTexts()->GetText(QStringLiteral("prDupl")));
        }
        if (!IsValidIdent(AName))
            throw LoderaError(QStringLiteral("''%1'' is not a valid component name").arg(AName));
        // Outside a report the names of the tree this component hangs in must
        // still stay unique.
        if (!OwnerReport() && m_parent) {
            const TfrxComponent *root = m_parent;
            while (root->m_parent)
                root = root->m_parent;
            TfrxComponent *found = root->FindObject(AName);
            if (found && found != this)
                throw LoderaError(QStringLiteral("A component named %1 already exists").arg(AName));
        }
    }
    m_name = AName;
}

QString TfrxComponent::NamePrefix() const
{
    QString s = QString::fromLatin1(metaObject()->className());
    if (s.startsWith(QLatin1String("Tfrx")))
        s.remove(0, 4);
    s.remove(QLatin1String("View"));
    return s;
}

void TfrxComponent::MakeUniqueName()
{
    const TfrxComponent *scope = OwnerReport();
    if (!scope)
        scope = m_parent;
    QSet<QString> taken;
    if (scope) {
        for (TfrxComponent *c : scope->AllObjects())
            if (c != this && !c->m_name.isEmpty())
                taken.insert(c->m_name.toUpper());
    }
    const QString prefix = NamePrefix();
    for (int n = 1;; ++n) {
        const QString candidate = prefix + QString::number(n);
        // Names are ASCII identifiers here, so upper-casing is the ASCII fold.
        if (!taken.contains(candidate.toUpper())) {
            SetName(candidate);
            return;
        }
    }
}

void TfrxComponent::SetLeft(double v)
{
    if (m_designing && m_restrictions.testFlag(TfrxRestriction::rfDontMove))
        return;
    m_left = v;
}

void TfrxComponent::SetTop(double v)
{
    if (m_designing && m_restrictions.testFlag(TfrxRestriction::rfDontMove))
        return;
    m_top = v;
}

void TfrxComponent::SetWidth(double v)
{
    if (m_designing && m_restrictions.testFlag(TfrxRestriction::rfDontSize))
        return;
    m_width = v;
}

void TfrxComponent::SetHeight(double v)
{
    if (m_designing && m_restrictions.testFlag(TfrxRestriction::rfDontSize))
        return;
    m_height = v;
}

void TfrxComponent::SetBounds(double ALeft, double ATop, double AWidth, double AHeight)
{
    SetLeft(ALeft);
    SetTop(ATop);
    SetWidth(AWidth);
    SetHeight(AHeight);
}

double TfrxComponent::AbsLeft() const
{
    if (!m_parent || qobject_cast<TfrxDialogPage *>(m_parent))
        return m_left;
    return m_parent->AbsLeft() + m_left;
}

double TfrxComponent::AbsTop() const
{
    if (!m_parent || qobject_cast<TfrxDialogPage *>(m_parent))
        return m_top;
    return m_parent->AbsTop() + m_top;
}

void TfrxComponent::SetFont(const TfrxFont &AFont)
{
    m_font->Assign(AFont);
    // Assigning an equal font reports no change, yet the component still takes
    // the font as its own.
    m_parentFont = false;
}

void TfrxComponent::SetParentFont(bool v)
{
    if (v && m_parent)
        m_font->Assign(*m_parent->m_font);
    m_parentFont = v;
}

void TfrxComponent::FontChanged()
{
    m_parentFont = false;
    for (TfrxComponent *c : std::as_const(m_objects))
        if (c->m_parentFont)
            c->SetParentFont(true);
}

namespace {

// Sort key of a view by its Left: a sign digit, then the magnitude right-aligned
// in nine characters with two decimals, so that text order is numeric order.
QString alignKey(double left)
{
    const double magnitude = left > 0 ? left : -left;
    return QLatin1Char(left > 0 ? '1' : '0') + QString::asprintf("%9.2f", magnitude);
}

bool overlapVertically(const TfrxComponent *a, const TfrxComponent *b)
{
    return a->AbsTop() < b->AbsTop() + b->Height() && b->AbsTop() < a->AbsTop() + a->Height();
}

} // namespace

void TfrxComponent::ArrangeAlignedChildren()
{
    // Sorted insertion: a view goes before the views whose key equals its own, so
    // equal keys end up in reverse child order.
    QList<QString> keys;
    QList<TfrxView *> sorted;
    for (TfrxComponent *c : std::as_const(m_objects)) {
        auto *v = qobject_cast<TfrxView *>(c);
        if (!v)
            continue;
        const QString key = alignKey(v->Left());
        const qsizetype at = std::lower_bound(keys.begin(), keys.end(), key) - keys.begin();
        keys.insert(at, key);
        sorted.insert(at, v);
    }

    const qsizetype n = sorted.size();
    for (qsizetype i = 0; i < n; ++i) {
        TfrxView *v = sorted[i];
        const TfrxAlign a = v->Align();
        if (a != TfrxAlign::baLeft && a != TfrxAlign::baWidth)
            continue;
        TfrxView *neighbour = nullptr;
        for (qsizetype j = i - 1; j >= 0 && !neighbour; --j) {
            TfrxView *c = sorted[j];
            if (!overlapVertically(c, v))
                continue;
            if (a == TfrxAlign::baWidth && c->Left() > v->Left())
                continue;
            neighbour = c;
        }
        v->SetLeft(neighbour ? neighbour->Left() + neighbour->Width() : 0);
    }

    for (qsizetype i = n - 1; i >= 0; --i) {
        TfrxView *v = sorted[i];
        const TfrxAlign a = v->Align();
        if (a != TfrxAlign::baRight && a != TfrxAlign::baWidth)
            continue;
        TfrxView *neighbour = nullptr;
        for (qsizetype j = i + 1; j < n && !neighbour; ++j) {
            TfrxView *c = sorted[j];
            if (!overlapVertically(c, v))
                continue;
            if (a == TfrxAlign::baWidth && c->Left() + c->Width() < v->Left() + v->Width())
                continue;
            neighbour = c;
        }
        const double edge = neighbour ? neighbour->Left() : m_width;
        if (a == TfrxAlign::baRight)
            v->SetLeft(edge - v->Width());
        else
            v->SetWidth(edge - v->Left());
    }

    for (TfrxComponent *c : std::as_const(m_objects)) {
        auto *v = qobject_cast<TfrxView *>(c);
        if (!v)
            continue;
        switch (v->Align()) {
        case TfrxAlign::baCenter:
            v->SetLeft((m_width - v->Width()) / 2);
            break;
        case TfrxAlign::baBottom:
            v->SetTop(m_height - v->Height());
            break;
        case TfrxAlign::baClient:
            v->SetBounds(0, 0, m_width, m_height);
            break;
        default:
            break;
        }
    }
}
