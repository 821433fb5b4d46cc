#include "settings/turkishtextrules.h"

#include "platform/codec1254.h"
#include "platform/turkishcase.h"
#include "settings/textrulefilter.h"

#include <QLineEdit>

void installTextRule(QLineEdit *edit, TextRule rule)
{
    edit->installEventFilter(new TextRuleFilter(edit, rule));
}

void installCp1254Filter(QLineEdit *edit)
{
    edit->installEventFilter(new TextRuleFilter(edit, std::nullopt));
}

QString applyCp1254Filter(QStringView typed)
{
    QString out;
    out.reserve(typed.size());
    for (QChar c : typed) {
        if (Codec1254::canEncode(c))
            out.append(c);
    }
    return out;
}

QString applyTextRule(TextRule rule, QChar before, QStringView typed)
{
    QString out = applyCp1254Filter(typed);
    for (QChar &c : out) {
        if (rule == TextRule::Capitals)
            c = platform::turkishCapital(c);
        else if (before.isNull() || before == u' ' || before == u'.')
            c = platform::turkishUpCase(c);
        before = c;
    }
    return out;
}
