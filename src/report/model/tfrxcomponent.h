#pragma once
// TfrxComponent: a named node of a report tree.
//
// Ownership. A component owns its children: they are its QObject children and
// are listed, in insertion order, in Objects(). Re-parenting moves a component
// from one list to the other; destroying a component first leaves its parent's
// list and then destroys its children. Value objects (font, frame, ...) are
// QObject children too, but never appear in Objects().
//
// Names. A non-empty name is unique within the component's report. Lookups by
// name compare ASCII letters without regard to case and every other character
// exactly, so "Mtarih" finds "MTarih".
//
// Fonts. With ParentFont set a component shows its parent's font; any change of
// its own font clears ParentFont and flows down to the children that still
// follow their parent.
//
// The stored members are Q_PROPERTYs in their stored order; the XML serializer
// walks them through the meta-object. Declared defaults are the values a freshly
// constructed object holds, so each default is written exactly once, in the class.
#include "report/model/frxtypes.h"
#include "report/model/tfrxfont.h"

#include <QList>
#include <QObject>
#include <QString>

class QIODevice;
class TfrxPage;
class TfrxReport;

// Whether an operation on a component also covers its children.
enum class TfrxWithChildren : bool { No, Yes };

class TfrxComponent : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString Name READ Name WRITE SetName STORED false)
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(double Left READ Left WRITE SetLeft)
    Q_PROPERTY(double Top READ Top WRITE SetTop)
    Q_PROPERTY(double Width READ Width WRITE SetWidth)
    Q_PROPERTY(double Height READ Height WRITE SetHeight)
    Q_PROPERTY(TfrxFont *Font READ Font)
    Q_PROPERTY(bool ParentFont READ ParentFont WRITE SetParentFont)
    Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
    Q_PROPERTY(TfrxRestrictions Restrictions READ Restrictions WRITE SetRestrictions)
public:
    // An owner that is a component becomes the parent.
    Q_INVOKABLE explicit TfrxComponent(TfrxComponent *AOwner = nullptr);
    ~TfrxComponent() override;

    // --- tree
    TfrxComponent *Parent() const { return m_parent; }
    // Throws LoderaError when the new parent is the component or lies below it.
    virtual void SetParent(TfrxComponent *AParent);
    const QList<TfrxComponent *> &Objects() const { return m_objects; }
    // All descendants, depth first, each before its own children; built afresh.
    QList<TfrxComponent *> AllObjects() const;
    // The nearest page / report among this component and its ancestors.
    TfrxPage *Page() const;
    TfrxReport *OwnerReport() const;
    // The first descendant (in AllObjects order) with this name, or none.
    TfrxComponent *FindObject(const QString &AName) const;
    // Destroys every child.
    virtual void Clear();

    // --- names
    const QString &Name() const { return m_name; }
    // Throws LoderaError "prDupl" when another component of the report has the
    // name, or the platform messages for invalid or duplicate identifiers.
    void SetName(const QString &AName);
    void MakeUniqueName();
    virtual QString NamePrefix() const;
    // ASCII letters compare without case, everything else exactly.
    static bool SameName(const QString &a, const QString &b);
    static bool IsValidIdent(const QString &s);

    // --- geometry
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const { return m_width; }
    double Height() const { return m_height; }
    virtual void SetLeft(double v);
    virtual void SetTop(double v);
    virtual void SetWidth(double v);
    virtual void SetHeight(double v);
    void SetBounds(double ALeft, double ATop, double AWidth, double AHeight);
    double AbsLeft() const;
    double AbsTop() const;
    // Places the view children by their Align.
    virtual void ArrangeAlignedChildren();

    // --- font and plain members
    TfrxFont *Font() const { return m_font; }
    // Copies the font; the component then no longer follows its parent.
    virtual void SetFont(const TfrxFont &AFont);
    bool ParentFont() const { return m_parentFont; }
    virtual void SetParentFont(bool v);
    bool Visible() const { return m_visible; }
    virtual void SetVisible(bool v) { m_visible = v; }
    int Tag() const { return m_tag; }
    void SetTag(int v) { m_tag = v; }
    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int v) { m_groupIndex = v; }
    TfrxRestrictions Restrictions() const { return m_restrictions; }
    void SetRestrictions(TfrxRestrictions v) { m_restrictions = v; }

    // --- state flags
    bool IsDesigning() const { return m_designing; }
    void SetDesigning(bool v) { m_designing = v; }
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool v) { m_loading = v; }
    bool IsWriting() const { return m_writing; }
    void SetWriting(bool v) { m_writing = v; }
    bool IsPrinting() const { return m_printing; }
    void SetPrinting(bool v) { m_printing = v; }

    // Called once all members and children have been read from XML.
    virtual void Loaded() {}

    // --- streaming in the report XML dialect; the component keeps its own name.
    // Serializer errors of the read are returned (empty when everything applied).
    QStringList LoadFromStream(QIODevice *stream);
    void SaveToStream(QIODevice *stream, TfrxWithChildren children = TfrxWithChildren::Yes);
    // Makes this component a copy of the source's members (and children when
    // asked), keeping its own name. Returns the serializer's error lines.
    QStringList AssignFrom(TfrxComponent *source, TfrxWithChildren children = TfrxWithChildren::No);

    // Stored-ness of members that not every kind of component keeps. The
    // serializer asks an invokable Is<Member>Stored() where a class has one.
    virtual bool IsBoundsStored() const { return true; }
    Q_INVOKABLE bool IsLeftStored() const { return IsBoundsStored(); }
    Q_INVOKABLE bool IsTopStored() const { return IsBoundsStored(); }
    Q_INVOKABLE bool IsWidthStored() const { return IsBoundsStored(); }
    Q_INVOKABLE bool IsHeightStored() const { return IsBoundsStored(); }
    Q_INVOKABLE bool IsFontStored() const { return !m_parentFont; }

protected:
    // Reacts to every change of the own font.
    virtual void FontChanged();

private:
    void destroyChildren();

    TfrxComponent *m_parent = nullptr;
    QList<TfrxComponent *> m_objects;
    QString m_name;
    int m_tag = 0;
    double m_left = 0;
    double m_top = 0;
    double m_width = 0;
    double m_height = 0;
    TfrxFont *m_font;
    bool m_parentFont = true;
    bool m_visible = true;
    int m_groupIndex = 0;
    TfrxRestrictions m_restrictions;
    bool m_designing = false;
    bool m_loading = false;
    bool m_writing = false;
    bool m_printing = false;
};
