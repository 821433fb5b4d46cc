#include "report/base/tfrxresources.h"

#include "report/base/tfrxwindowlocalizer.h"

#include <QObject>
#include <QRegularExpression>

#include <algorithm>

TfrxResources::TfrxResources()
{
    frxRegisterTurkishTexts(*this);
}

void TfrxResources::AddText(const QString &key, const QString &text)
{
    const QString folded = foldKey(key);
    const auto it = m_index.constFind(folded);
    if (it != m_index.constEnd()) {
        m_texts[*it] = text;
        return;
    }
    m_index.insert(folded, m_texts.size());
    m_keys.append(key);
    m_texts.append(text);
}

QString TfrxResources::GetText(const QString &key) const
{
    const auto it = m_index.constFind(foldKey(key));
    return it == m_index.constEnd() ? key : m_texts.at(*it);
}

bool TfrxResources::Contains(const QString &key) const
{
    return m_index.contains(foldKey(key));
}

QStringList TfrxResources::Keys() const
{
    QStringList keys = m_keys;
    std::sort(keys.begin(), keys.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    return keys;
}

void TfrxResources::AddWindowBlock(const QString &className, const QStringList &lines)
{
    AddText(className, lines.join(QLatin1Char('\n')));
}

QStringList TfrxResources::WindowBlock(const QString &className) const
{
    const auto it = m_index.constFind(foldKey(className));
    if (it == m_index.constEnd())
        return {};
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return m_texts.at(*it).split(lineBreak, Qt::SkipEmptyParts);
}

void TfrxResources::LocalizeWindow(QObject *window) const
{
    if (!window)
        return;
    QString name = QString::fromLatin1(window->metaObject()->className());
    const qsizetype colons = name.lastIndexOf(QLatin1String("::"));
    if (colons >= 0)
        name = name.mid(colons + 2);
    LocalizeWindow(window, name);
}

void TfrxResources::LocalizeWindow(QObject *window, const QString &className) const
{
    if (!window)
        return;
    const QStringList lines = WindowBlock(className);
    if (!lines.isEmpty())
        TfrxWindowLocalizer(window).Apply(lines);
}

TfrxResources *frxResources()
{
    static TfrxResources instance;
    return &instance;
}
