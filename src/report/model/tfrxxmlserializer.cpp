#include "report/model/tfrxxmlserializer.h"

#include "platform/loderaerror.h"
#include "report/base/frxfloat.h"
#include "report/base/frxxmlescape.h"
#include "report/base/tfrxxmldocument.h"
#include "report/base/tfrxxmlitem.h"
#include "report/base/tfrxresources.h"
#include "report/base/tfrxxmlwriter.h"
#include "report/model/tfrxclassregistry.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxdataset.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxpropertymap.h"
#include "report/model/tfrxreport.h"

#include <QDateTime>

#include <cmath>
#include <memory>

namespace {

const QDate kDayZero(1899, 12, 30);
constexpr double kMsPerDay = 86400000.0;

double toDays(const QDateTime &dt)
{
    if (!dt.isValid())
        return 0;
    return double(kDayZero.daysTo(dt.date())) + dt.time().msecsSinceStartOfDay() / kMsPerDay;
}

QDateTime fromDays(double days)
{
    if (!std::isfinite(days) || std::fabs(days) > 3e6)
        throw LoderaError(QStringLiteral("Invalid property value"));
    double whole = std::floor(days);
    qint64 ms = qint64(std::llround((days - whole) * kMsPerDay));
    if (ms >= qint64(kMsPerDay)) {
        whole += 1;
        ms = 0;
    }
    return QDateTime(kDayZero.addDays(qint64(whole)), QTime::fromMSecsSinceStartOfDay(int(ms)));
}

QString ordinalText(const TfrxPropInfo &info, qint64 v)
{
    switch (info.Kind) {
    case TfrxPropKind::Bool:
        return v ? QStringLiteral("True") : QStringLiteral("False");
    case TfrxPropKind::Enum:
        if (const char *key = info.Enum.valueToKey(int(v)))
            return QLatin1String(key);
        return QString::number(v);
    default:
        return QString::number(v);
    }
}

int parseInteger(const QString &value)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    if (!ok)
        throw LoderaError(QStringLiteral("'%1' is not a valid integer value").arg(value));
    return n;
}

// The lines of a list's text as this dialect writes it: the lines joined by
// line breaks, with no break after the last line. Every break therefore stands
// between two lines, and a text that ends in one ends with an empty line; only
// the empty text has no lines. Read this way, writing a list and reading it
// back gives the same lines, a final empty line included. (Setting a memo's
// Text, where every line carries its own break, is the other rule.)
QStringList listLines(const QString &text)
{
    QStringList lines = TfrxCustomMemoView::SplitLines(text);
    if (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        lines.append(QString());
    return lines;
}

QString objectLabel(const QObject *obj)
{
    if (const auto *c = qobject_cast<const TfrxComponent *>(obj))
        if (!c->Name().isEmpty())
            return c->Name();
    return obj ? QLatin1String(obj->metaObject()->className()) : QString();
}

} // namespace

TfrxXMLSerializer::TfrxXMLSerializer(QIODevice *stream) : m_stream(stream) {}

TfrxXMLSerializer::~TfrxXMLSerializer() = default;

void TfrxXMLSerializer::addError(QObject *context, const QString &message)
{
    const QString label = objectLabel(context);
    const QString line = label.isEmpty() ? message : label + QLatin1String(": ") + message;
    const auto at = std::lower_bound(m_errors.begin(), m_errors.end(), line);
    if (at == m_errors.end() || *at != line)
        m_errors.insert(at, line);
}

// --- writing

QString TfrxXMLSerializer::WriteProperties(QObject *obj, const QString &prefix)
{
    QString out;
    if (obj)
        writeObject(obj, prefix, TfrxPropertyMap::Prototype(obj->metaObject()), out);
    return out;
}

void TfrxXMLSerializer::writeObject(QObject *obj, const QString &prefix, QObject *prototype, QString &out)
{
    auto *component = qobject_cast<TfrxComponent *>(obj);
    const bool wasWriting = component && component->IsWriting();
    if (component)
        component->SetWriting(true);

    for (const TfrxPropInfo &info : TfrxPropertyMap::Of(obj->metaObject())) {
        if (!TfrxPropertyMap::IsStored(info, obj))
            continue;
        const auto name = [&] { return prefix + QLatin1String(info.Prop.name()); };
        QString value;
        switch (info.Kind) {
        case TfrxPropKind::Integer:
        case TfrxPropKind::Set:
        case TfrxPropKind::Enum:
        case TfrxPropKind::Bool: {
            const qint64 v = TfrxPropertyMap::OrdinalValue(info, obj);
            if (!WriteDefaults && !info.NoDefault && prototype
                && v == TfrxPropertyMap::OrdinalValue(info, prototype))
                continue;
            value = ordinalText(info, v);
            break;
        }
        case TfrxPropKind::Float:
            value = frxFloatToStr(info.Prop.metaType().id() == QMetaType::Double
                                      ? TfrxPropertyMap::Read<double>(info, obj)
                                      : info.Prop.read(obj).toDouble());
            break;
        case TfrxPropKind::DateTime:
            value = frxFloatToStr(toDays(info.Prop.read(obj).toDateTime()));
            break;
        case TfrxPropKind::String:
            value = TfrxPropertyMap::Read<QString>(info, obj);
            // An empty text is left out, unless the member's default is not
            // empty: then leaving it out would bring the default back on reading
            // (an emptied ExpressionDelimiters would return as "[,]").
            if (value.isEmpty() && !(prototype && !TfrxPropertyMap::Read<QString>(info, prototype).isEmpty()))
                continue;
            value = EscapeXML(value);
            break;
        case TfrxPropKind::Variant: {
            const QVariant v = info.Prop.read(obj);
            value = v.typeId() == QMetaType::Double ? frxFloatToStr(v.toDouble()) : v.toString();
            if (value.isEmpty())
                continue;
            value = EscapeXML(value);
            break;
        }
        case TfrxPropKind::StringList:
            out += QLatin1Char(' ') + name() + QLatin1String(".Text=\"")
                   + EscapeXML(TfrxPropertyMap::Read<QStringList>(info, obj).join(QLatin1String("\r\n"))) + QLatin1Char('"');
            continue;
        case TfrxPropKind::Reference: {
            const auto *ref = qobject_cast<const TfrxComponent *>(TfrxPropertyMap::Read<QObject *>(info, obj));
            if (!ref)
                continue;
            value = EscapeXML(referenceName(ref));
            if (value.isEmpty())
                continue;
            break;
        }
        case TfrxPropKind::Object: {
            QObject *sub = TfrxPropertyMap::Read<QObject *>(info, obj);
            if (!sub)
                continue;
            QObject *subPrototype = prototype ? TfrxPropertyMap::Read<QObject *>(info, prototype) : nullptr;
            writeObject(sub, name() + QLatin1Char('.'), subPrototype, out);
            continue;
        }
        case TfrxPropKind::Ignored:
            continue;
        }
        out += QLatin1Char(' ');
        out += prefix;
        out += QLatin1String(info.Prop.name());
        out += QLatin1String("=\"");
        out += value;
        out += QLatin1Char('"');
    }

    if (const auto *persistent = qobject_cast<const TfrxPersistent *>(obj)) {
        const QByteArray data = persistent->WriteData();
        if (!data.isEmpty())
            out += QLatin1Char(' ') + prefix + QLatin1String("PropData=\"") + QString::fromLatin1(data.toHex().toUpper())
                   + QLatin1Char('"');
    }

    if (component)
        component->SetWriting(wasWriting);
}

QString TfrxXMLSerializer::referenceName(const TfrxComponent *ref) const
{
    // Components of a report, and those that sit beside the report on its
    // window, are referred to by their plain name; anything else by its
    // owner's name and its own.
    if (ref->OwnerReport())
        return ref->Name();
    const QObject *owner = ref->parent();
    const TfrxReport *report = Owner ? Owner->OwnerReport() : nullptr;
    if (!owner || owner == Owner || (report && owner == report->parent()) || owner->objectName().isEmpty())
        return ref->Name();
    return owner->objectName() + QLatin1Char('.') + ref->Name();
}

// --- reading

bool TfrxXMLSerializer::nextPair(const QString &text, qsizetype &pos, TfrxPropertyPair &pair)
{
    const qsizetype n = text.size();
    if (pos >= n)
        return false;
    const qsizetype open = text.indexOf(QLatin1Char('"'), pos);
    if (open < 0)
        return false;
    // The name is what lies before the quote, less one '=' and blanks,
    // lower-cased.
    qsizetype a = pos;
    qsizetype b = open;
    if (b > a && text[b - 1] == QLatin1Char('='))
        --b;
    while (a < b && text[a].isSpace())
        ++a;
    while (b > a && text[b - 1].isSpace())
        --b;
    if (a == b)
        return false;
    // Names are ASCII; anything else goes through QChar's case table.
    pair.lowerName = QString(b - a, Qt::Uninitialized);
    QChar *out = pair.lowerName.data();
    for (qsizetype i = a; i < b; ++i) {
        const char16_t c = text[i].unicode();
        *out++ = c >= u'A' && c <= u'Z' ? QChar(c + 32) : (c < 128 ? QChar(c) : QChar(c).toLower());
    }
    const qsizetype close = text.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0) {
        pair.value = text.mid(open + 1);
        pos = n;
    } else {
        pair.value = text.mid(open + 1, close - open - 1);
        pos = close + 2;
    }
    return true;
}

void TfrxXMLSerializer::ReadProperties(const QString &text, QObject *obj)
{
    if (!obj)
        return;
    qsizetype pos = 0;
    TfrxPropertyPair pair;
    while (nextPair(text, pos, pair))
        applyPair(obj, pair.lowerName, pair.value);
}

TfrxPropertyPairs TfrxXMLSerializer::SplitProperties(const QString &text)
{
    TfrxPropertyPairs pairs;
    qsizetype pos = 0;
    TfrxPropertyPair pair;
    while (nextPair(text, pos, pair))
        pairs.append(pair);
    return pairs;
}

TfrxSplitObjectText TfrxXMLSerializer::SplitObjectText(const QString &text)
{
    const QString t = text.trimmed();
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    return {space < 0 ? t : t.left(space), space < 0 ? TfrxPropertyPairs() : SplitProperties(t.mid(space + 1))};
}

void TfrxXMLSerializer::applyPair(QObject *obj, const QString &lowerName, const QString &value)
{
    try {
        QString name = lowerName;
        if (name.size() == 1) {
            switch (name[0].unicode()) {
            case 'l': name = QStringLiteral("left"); break;
            case 't': name = QStringLiteral("top"); break;
            case 'w': name = QStringLiteral("width"); break;
            case 'h': name = QStringLiteral("height"); break;
            case 'x':
                if (auto *memo = qobject_cast<TfrxCustomMemoView *>(obj)) {
                    memo->SetMemo(listLines(UnescapeXML(value)));
                    return;
                }
                break;
            default:
                break;
            }
        }

        if (!name.contains(QLatin1Char('.')) && name != QLatin1String("propdata")) {
            if (const TfrxPropInfo *info = TfrxPropertyMap::Find(obj->metaObject(), name))
                applyValue(obj, *info, value);
            return;
        }
        const QStringList parts = name.split(QLatin1Char('.'));
        QObject *current = obj;
        for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
            const TfrxPropInfo *info = TfrxPropertyMap::Find(current->metaObject(), parts[i]);
            if (!info)
                return;
            if (info->Kind == TfrxPropKind::Object) {
                current = TfrxPropertyMap::Read<QObject *>(*info, current);
                if (!current)
                    return;
                continue;
            }
            if (info->Kind == TfrxPropKind::StringList && i + 2 == parts.size()
                && parts.last() == QLatin1String("text")) {
                TfrxPropertyMap::Write<QStringList>(*info, current, listLines(UnescapeXML(value)));
                return;
            }
            return;
        }

        const QString &last = parts.last();
        if (last == QLatin1String("propdata")) {
            auto *persistent = qobject_cast<TfrxPersistent *>(current);
            if (!persistent)
                return;
            const QByteArray hex = value.toLatin1();
            const bool valid = hex.size() % 2 == 0 && std::all_of(hex.begin(), hex.end(), [](char c) {
                                   return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
                               });
            if (!valid)
                throw LoderaError(QStringLiteral("Invalid property value"));
            persistent->ReadData(QByteArray::fromHex(hex));
            if (auto *picture = qobject_cast<TfrxPictureView *>(obj))
                picture->PictureChanged();
            return;
        }
        const TfrxPropInfo *info = TfrxPropertyMap::Find(current->metaObject(), last);
        if (!info)
            return;
        applyValue(current, *info, value);
    } catch (const LoderaError &e) {
        addError(obj, e.message());
    } catch (const std::exception &e) {
        addError(obj, QString::fromLocal8Bit(e.what()));
    }
}

void TfrxXMLSerializer::applyValue(QObject *obj, const TfrxPropInfo &info, const QString &value)
{
    const int type = info.Prop.metaType().id();
    switch (info.Kind) {
    case TfrxPropKind::Bool: {
        const QString t = value.trimmed();
        bool b = false;
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            b = true;
        else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) != 0) {
            bool ok = false;
            const int n = t.toInt(&ok);
            if (!ok)
                throw LoderaError(QStringLiteral("Invalid property value"));
            b = n != 0;
        }
        TfrxPropertyMap::Write<bool>(info, obj, b);
        return;
    }
    case TfrxPropKind::Enum: {
        const QString t = value.trimmed();
        bool ok = false;
        int n = t.toInt(&ok);
        if (ok) {
            if (!info.Enum.valueToKey(n))
                throw LoderaError(QStringLiteral("Invalid property value"));
        } else {
            for (int i = 0; i < info.Enum.keyCount() && !ok; ++i)
                if (TfrxComponent::SameName(QLatin1String(info.Enum.key(i)), t)) {
                    n = info.Enum.value(i);
                    ok = true;
                }
            if (!ok)
                throw LoderaError(QStringLiteral("Invalid property value"));
        }
        TfrxPropertyMap::Write<int>(info, obj, n);
        return;
    }
    case TfrxPropKind::Integer:
    case TfrxPropKind::Set: {
        const int n = parseInteger(value);
        if (info.Kind == TfrxPropKind::Set || type == QMetaType::Int)
            TfrxPropertyMap::Write<int>(info, obj, n);
        else if (!info.Prop.write(obj, QVariant(n)))
            throw LoderaError(QStringLiteral("Invalid property value"));
        return;
    }
    case TfrxPropKind::Float: {
        const double d = StrToFloatAny(value);
        if (type == QMetaType::Double)
            TfrxPropertyMap::Write<double>(info, obj, d);
        else if (!info.Prop.write(obj, QVariant(d)))
            throw LoderaError(QStringLiteral("Invalid property value"));
        return;
    }
    case TfrxPropKind::DateTime:
        TfrxPropertyMap::Write<QDateTime>(info, obj, fromDays(StrToFloatAny(value)));
        return;
    case TfrxPropKind::String:
        TfrxPropertyMap::Write<QString>(info, obj, UnescapeXML(value));
        return;
    case TfrxPropKind::Variant:
        if (!info.Prop.write(obj, QVariant(UnescapeXML(value))))
            throw LoderaError(QStringLiteral("Invalid property value"));
        return;
    case TfrxPropKind::Reference:
        if (!value.isEmpty())
            m_fixups.append({obj, info.Index, UnescapeXML(value)});
        return;
    default:
        return;
    }
}

TfrxComponent *TfrxXMLSerializer::resolveName(const QString &name) const
{
    const TfrxReport *report = Owner ? Owner->OwnerReport() : nullptr;
    const TfrxComponent *scope = report ? report : Owner;
    if (scope)
        if (TfrxComponent *c = scope->FindObject(name))
            return c;

    const QStringList parts = name.split(QLatin1Char('.'));
    const QString &own = parts.last();
    const QObject *window = report ? report->parent() : nullptr;
    if (parts.size() > 1) {
        // "Form.Component" or "Form.Frame.Component": the component's owner
        // carries the name in front of its own.
        const QString &ownerName = parts[parts.size() - 2];
        for (TfrxDataSet *ds : TfrxDataSet::Registry())
            if (TfrxComponent::SameName(ds->Name(), own) && ds->parent()
                && TfrxComponent::SameName(ds->parent()->objectName(), ownerName))
                return ds;
        return nullptr;
    }
    if (window)
        for (QObject *child : window->children())
            if (auto *c = qobject_cast<TfrxComponent *>(child))
                if (c != report && TfrxComponent::SameName(c->Name(), own))
                    return c;
    for (TfrxDataSet *ds : TfrxDataSet::Registry())
        if (!ds->parent() && TfrxComponent::SameName(ds->Name(), own))
            return ds;
    return nullptr;
}

void TfrxXMLSerializer::resolveFixups()
{
    const QList<Fixup> fixups = std::exchange(m_fixups, {});
    for (const Fixup &f : fixups) {
        if (!f.Target)
            continue;
        TfrxComponent *ref = resolveName(f.Name);
        if (!ref)
            continue;
        // The lookup itself cannot fail; what can is a found object of a class
        // the member cannot hold (a band named as a memo's FlowTo). That is a
        // value that cannot be applied like any other: one error line, and the
        // rest of the object is read. Pages of prepared reports are rebuilt
        // object by object on that promise.
        const QMetaProperty prop = f.Target->metaObject()->property(f.PropIndex);
        if (!prop.write(f.Target, QVariant::fromValue<QObject *>(ref)))
            addError(f.Target, QStringLiteral("Missing ") + f.Name);
    }
}

// --- trees

void TfrxXMLSerializer::WriteComponentTree(TfrxComponent *component, TfrxWithChildren children, TfrxXMLItem *item)
{
    if (!component)
        return;
    if (!Owner)
        Owner = component;
    if (item) {
        writeElement(component, children, item);
        return;
    }
    TfrxXMLDocument doc;
    doc.SetIndented(TfrxXMLIndent::Indented);
    writeElement(component, children, doc.Root());
    doc.SaveToStream(m_stream);
}

void TfrxXMLSerializer::writeElement(TfrxComponent *component, TfrxWithChildren children, TfrxXMLItem *item)
{
    item->SetElementName(QLatin1String(component->metaObject()->className()));
    item->SetAttrText(QLatin1String("Name=\"") + EscapeXML(component->Name()) + QLatin1Char('"')
                      + WriteProperties(component));
    if (auto *report = qobject_cast<TfrxReport *>(component)) {
        for (const auto &[name, list] : report->Collections()) {
            if (list->Count() == 0)
                continue;
            TfrxXMLItem *listItem = item->Add(name);
            for (int i = 0; i < list->Count(); ++i)
                listItem->Add(QStringLiteral("item"))->SetAttrText(WriteProperties(list->ItemAt(i)).mid(1));
        }
    }
    if (children == TfrxWithChildren::Yes)
        for (TfrxComponent *child : component->Objects())
            writeElement(child, TfrxWithChildren::Yes, item->Add());
}

void TfrxXMLSerializer::ReadComponentTree(TfrxComponent *root, TfrxXMLItem *item, TfrxFindExisting find)
{
    if (!root)
        return;
    std::unique_ptr<TfrxXMLDocument> doc;
    if (!item) {
        doc = std::make_unique<TfrxXMLDocument>();
        doc->LoadFromStream(m_stream);
        item = doc->Root();
    }
    Owner = root;
    QList<TfrxComponent *> loaded;
    readElement(nullptr, root, item, find, 0, loaded);
    resolveFixups();
    for (TfrxComponent *c : std::as_const(loaded)) {
        c->SetLoading(false);
        if (!qobject_cast<TfrxReport *>(c))
            c->Loaded();
    }
}

void TfrxXMLSerializer::readElement(TfrxComponent *parent, TfrxComponent *target, TfrxXMLItem *item,
                                    TfrxFindExisting find, int depth, QList<TfrxComponent *> &loaded)
{
    const QString &className = item->ElementName();
    if (depth > MaxDepth) {
        addError(parent, QStringLiteral("İç içe nesne sınırı aşıldı: ") + className);
        return;
    }

    if (!target) {
        if (auto *report = qobject_cast<TfrxReport *>(parent)) {
            for (const auto &[name, list] : report->Collections()) {
                if (name.compare(className, Qt::CaseInsensitive) != 0)
                    continue;
                list->Clear();
                for (qsizetype i = 0; i < item->Count(); ++i)
                    if (item->Item(i)->ElementName().compare(QLatin1String("item"), Qt::CaseInsensitive) == 0)
                        ReadProperties(item->Item(i)->AttrText(), list->AddItem());
                return;
            }
        }
    }

    const QMetaObject *cls = TfrxClassRegistry::Find(className);
    if (!cls || (!target && !cls->inherits(&TfrxComponent::staticMetaObject))) {
        // Not a class a tree can hold: the element and everything in it is left out.
        const QString line = EngineTexts()->GetText(QStringLiteral("xrCantFindClass")) + QLatin1Char(' ') + className;
        const auto at = std::lower_bound(m_errors.begin(), m_errors.end(), line);
        if (at == m_errors.end() || *at != line)
            m_errors.insert(at, line);
        return;
    }

    TfrxComponent *obj = target;
    if (!obj && find == TfrxFindExisting::Yes) {
        const TfrxComponent *scope = Owner->OwnerReport() ? static_cast<TfrxComponent *>(Owner->OwnerReport()) : Owner;
        const QString name = item->GetAttr(QStringLiteral("Name"));
        if (!name.isEmpty())
            obj = scope->FindObject(name);
    }
    const bool created = !obj;
    if (!obj)
        obj = qobject_cast<TfrxComponent *>(TfrxClassRegistry::Create(cls, parent));
    if (!obj)
        return;

    obj->SetLoading(true);
    ReadProperties(item->AttrText(), obj);
    if (created && obj->Name().isEmpty()) {
        try {
            obj->MakeUniqueName();
        } catch (const LoderaError &e) {
            addError(obj, e.message());
        }
    }
    loaded.append(obj);
    for (qsizetype i = 0; i < item->Count(); ++i)
        readElement(obj, nullptr, item->Item(i), find, depth + 1, loaded);
}

// --- single objects

QString TfrxXMLSerializer::ObjectToText(QObject *obj)
{
    if (!obj)
        return {};
    return QLatin1String(obj->metaObject()->className()) + WriteProperties(obj);
}

template <class Read>
QObject *TfrxXMLSerializer::buildObject(TfrxComponent *owner, const QString &className, const Read &read)
{
    const QMetaObject *cls = TfrxClassRegistry::Find(className);
    if (!cls)
        throw LoderaError(QStringLiteral("Class %1 not found").arg(className));
    QObject *obj = TfrxClassRegistry::Create(cls, owner);
    if (!obj)
        throw LoderaError(QStringLiteral("Class %1 not found").arg(className));
    if (owner)
        Owner = owner;
    auto *component = qobject_cast<TfrxComponent *>(obj);
    if (component)
        component->SetLoading(true);
    read(obj);
    resolveFixups();
    if (component) {
        component->SetLoading(false);
        if (!qobject_cast<TfrxReport *>(component))
            component->Loaded();
    }
    return obj;
}

QObject *TfrxXMLSerializer::ObjectFromText(TfrxComponent *owner, const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return nullptr;
    const qsizetype space = t.indexOf(QLatin1Char(' '));
    return buildObject(owner, space < 0 ? t : t.left(space),
                       [&](QObject *obj) { ReadProperties(space < 0 ? QString() : t.mid(space + 1), obj); });
}

QObject *TfrxXMLSerializer::ObjectFromText(TfrxComponent *owner, const TfrxSplitObjectText &head, const QString &tail)
{
    if (head.className.isEmpty())
        return ObjectFromText(owner, tail);
    return buildObject(owner, head.className, [&](QObject *obj) {
        for (const TfrxPropertyPair &pair : head.pairs)
            applyPair(obj, pair.lowerName, pair.value);
        ReadProperties(tail.trimmed(), obj);
    });
}

void TfrxXMLSerializer::WriteShortElement(QObject *obj)
{
    TfrxXMLWriter writer(m_stream, TfrxXMLIndent::Flat);
    writer.Write(QLatin1Char('<') + ObjectToText(obj) + QLatin1String("/>"));
    writer.Flush();
}
