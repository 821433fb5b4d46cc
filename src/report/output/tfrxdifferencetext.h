#pragma once
// TfrxDifferenceText: how an output object differs from its source object.
//
// The store keeps an output object as the attributes in which it differs from
// the copy of its template object (a list row's memo that only moved and got
// a new text becomes ` t="..." x="..."`). The attributes are the ones a run can
// change: geometry, visibility, font, and per class the members that scripts,
// highlights and data may set. A memo always carries its text (`x`), even when
// unchanged, so a page can be searched and rebuilt without guessing which
// texts the run expanded. Floats differ beyond 0.0001; values are written in
// the attribute form of ValueToXML. Every pair starts with a blank.
class QString;
class TfrxComponent;

class TfrxDifferenceText
{
public:
    // Every attribute the object's class compares.
    static QString Text(const TfrxComponent *obj, const TfrxComponent *source);
    // Geometry, visibility, font, ParentFont and Tag only (the first pass of a
    // double-pass run, and the part written after the full form of objects that
    // are always stored in full).
    static QString BaseText(const TfrxComponent *obj, const TfrxComponent *source);
    // True for classes whose objects are always stored in full (the plain view).
    static bool FullFormOnly(const TfrxComponent *obj);
};
