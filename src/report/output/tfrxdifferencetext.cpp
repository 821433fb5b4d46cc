#include "report/output/tfrxdifferencetext.h"

#include "report/base/frxfloat.h"
#include "report/base/frxxmlescape.h"
#include "report/model/tfrxband.h"
#include "report/model/tfrxcustommemoview.h"
#include "report/model/tfrxpictureview.h"
#include "report/model/tfrxshapeview.h"

#include <QString>

#include <cmath>

namespace {

class Pairs
{
public:
    explicit Pairs(QString &out) : m_out(out) {}

    void add(QLatin1String name, const QString &value)
    {
        m_out += QLatin1Char(' ');
        m_out += name;
        m_out += QLatin1String("=\"");
        m_out += value;
        m_out += QLatin1Char('"');
    }
    void num(QLatin1String name, qint64 v) { add(name, QString::number(v)); }
    void flag(QLatin1String name, bool v) { add(name, v ? QStringLiteral("1") : QStringLiteral("0")); }
    void real(QLatin1String name, double v) { add(name, frxFloatToStr(v)); }
    void text(QLatin1String name, const QString &v) { add(name, needsEscape(v) ? EscapeXML(v) : v); }

    // Most texts hold none of the escaped characters; they are taken as they are.
    static bool needsEscape(const QString &v)
    {
        for (QChar c : v) {
            const char16_t u = c.unicode();
            if (u == '\r' || u == '\n' || u == '"' || u == '&' || u == '<' || u == '>')
                return true;
        }
        return false;
    }

    void realIf(QLatin1String name, double a, double b)
    {
        if (std::fabs(a - b) > 0.0001)
            real(name, a);
    }
    void numIf(QLatin1String name, qint64 a, qint64 b)
    {
        if (a != b)
            num(name, a);
    }
    void flagIf(QLatin1String name, bool a, bool b)
    {
        if (a != b)
            flag(name, a);
    }
    void textIf(QLatin1String name, const QString &a, const QString &b)
    {
        if (a != b)
            text(name, a);
    }

private:
    QString &m_out;
};

void baseDiff(Pairs &p, const TfrxComponent *o, const TfrxComponent *s)
{
    const auto *view = qobject_cast<const TfrxView *>(o);
    const bool isBand = qobject_cast<const TfrxBand *>(o) != nullptr;
    const auto *memo = qobject_cast<const TfrxCustomMemoView *>(o);
    if (!view || view->Align() == TfrxAlign::baNone)
        p.realIf(QLatin1String("l"), o->Left(), s->Left());
    if (isBand)
        p.real(QLatin1String("t"), o->Top());
    else
        p.realIf(QLatin1String("t"), o->Top(), s->Top());
    if (!memo || !memo->AutoWidth())
        p.realIf(QLatin1String("w"), o->Width(), s->Width());
    p.realIf(QLatin1String("h"), o->Height(), s->Height());
    p.flagIf(QLatin1String("Visible"), o->Visible(), s->Visible());
    if (!o->ParentFont()) {
        const TfrxFont *f = o->Font();
        const TfrxFont *sf = s->Font();
        p.textIf(QLatin1String("Font.Name"), f->Name(), sf->Name());
        p.numIf(QLatin1String("Font.Size"), f->Size(), sf->Size());
        p.numIf(QLatin1String("Font.Color"), f->Color(), sf->Color());
        p.numIf(QLatin1String("Font.Style"), qint64(f->Style().toInt()), qint64(sf->Style().toInt()));
        p.numIf(QLatin1String("Font.Charset"), f->Charset(), sf->Charset());
    }
    p.flagIf(QLatin1String("ParentFont"), o->ParentFont(), s->ParentFont());
    p.numIf(QLatin1String("Tag"), o->Tag(), s->Tag());
}

void viewDiff(Pairs &p, const TfrxView *o, const TfrxView *s)
{
    p.numIf(QLatin1String("BrushStyle"), int(o->BrushStyle()), int(s->BrushStyle()));
    p.numIf(QLatin1String("Align"), int(o->Align()), int(s->Align()));
    p.numIf(QLatin1String("Color"), o->Color(), s->Color());
    const TfrxFrame *f = o->Frame();
    const TfrxFrame *sf = s->Frame();
    p.numIf(QLatin1String("Frame.Color"), f->Color(), sf->Color());
    p.flagIf(QLatin1String("Frame.DropShadow"), f->DropShadow(), sf->DropShadow());
    p.numIf(QLatin1String("Frame.ShadowColor"), f->ShadowColor(), sf->ShadowColor());
    p.realIf(QLatin1String("Frame.ShadowWidth"), f->ShadowWidth(), sf->ShadowWidth());
    p.numIf(QLatin1String("Frame.Style"), int(f->Style()), int(sf->Style()));
    p.numIf(QLatin1String("Frame.Typ"), qint64(f->Typ().toInt()), qint64(sf->Typ().toInt()));
    p.realIf(QLatin1String("Frame.Width"), f->Width(), sf->Width());
    p.numIf(QLatin1String("Cursor"), o->Cursor(), s->Cursor());
    p.flagIf(QLatin1String("Printable"), o->Printable(), s->Printable());
    p.textIf(QLatin1String("TagStr"), o->TagStr(), s->TagStr());
    p.textIf(QLatin1String("URL"), o->URL(), s->URL());
}

void memoDiff(Pairs &p, const TfrxCustomMemoView *o, const TfrxCustomMemoView *s)
{
    p.flagIf(QLatin1String("AutoWidth"), o->AutoWidth(), s->AutoWidth());
    p.realIf(QLatin1String("CharSpacing"), o->CharSpacing(), s->CharSpacing());
    p.realIf(QLatin1String("GapX"), o->GapX(), s->GapX());
    p.realIf(QLatin1String("GapY"), o->GapY(), s->GapY());
    p.numIf(QLatin1String("HAlign"), int(o->HAlign()), int(s->HAlign()));
    p.flagIf(QLatin1String("Highlight.Active"), o->Highlight()->Active(), s->Highlight()->Active());
    p.realIf(QLatin1String("LineSpacing"), o->LineSpacing(), s->LineSpacing());
    const QStringList &lines = o->Memo();
    p.text(QLatin1String("x"), lines.size() == 1 ? lines.first() : lines.join(QLatin1String("\r\n")));
    p.realIf(QLatin1String("ParagraphGap"), o->ParagraphGap(), s->ParagraphGap());
    p.numIf(QLatin1String("Rotation"), o->Rotation(), s->Rotation());
    p.flagIf(QLatin1String("RTLReading"), o->RTLReading(), s->RTLReading());
    p.flagIf(QLatin1String("Underlines"), o->Underlines(), s->Underlines());
    p.numIf(QLatin1String("VAlign"), int(o->VAlign()), int(s->VAlign()));
    p.flagIf(QLatin1String("WordWrap"), o->WordWrap(), s->WordWrap());
}


} // namespace

bool TfrxDifferenceText::FullFormOnly(const TfrxComponent *obj)
{
    return obj && obj->metaObject() == &TfrxView::staticMetaObject;
}

QString TfrxDifferenceText::BaseText(const TfrxComponent *obj, const TfrxComponent *source)
{
    QString out;
    Pairs p(out);
    baseDiff(p, obj, source);
    return out;
}

QString TfrxDifferenceText::Text(const TfrxComponent *obj, const TfrxComponent *source)
{
    QString out;
    out.reserve(64);
    Pairs p(out);
    if (const auto *pic = qobject_cast<const TfrxPictureView *>(obj)) {
        const auto *spic = qobject_cast<const TfrxPictureView *>(source);
        if (!spic || pic->Picture()->Bytes() != spic->Picture()->Bytes()) {
            const QByteArray data = pic->Picture()->WriteData();
            p.add(QLatin1String("Picture.PropData"), QString::fromLatin1(data.toHex().toUpper()));
        }
        baseDiff(p, obj, source);
        return out;
    }
    baseDiff(p, obj, source);
    const auto *view = qobject_cast<const TfrxView *>(obj);
    const auto *sview = qobject_cast<const TfrxView *>(source);
    if (!view || !sview)
        return out;
    viewDiff(p, view, sview);
    if (const auto *memo = qobject_cast<const TfrxCustomMemoView *>(obj)) {
        if (const auto *smemo = qobject_cast<const TfrxCustomMemoView *>(source))
            memoDiff(p, memo, smemo);
    } else if (const auto *shape = qobject_cast<const TfrxShapeView *>(obj)) {
        if (const auto *sshape = qobject_cast<const TfrxShapeView *>(source))
            p.numIf(QLatin1String("Shape"), int(shape->Shape()), int(sshape->Shape()));
    }
    return out;
}
