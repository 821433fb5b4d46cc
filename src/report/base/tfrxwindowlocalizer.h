#pragma once
// Applies one window block of the engine's text table to a live window.
//
// A block line `Control.Property=value` names a control by its objectName (any
// descendant of the window) and one of its text properties; a line
// `Property=value` addresses the window itself. The property names are those
// of the engine's windows (Caption, Hint, Filter); they are mapped onto the Qt
// properties the widgets really have, through the meta-object only, so this
// works for any window without the engine linking a widget library:
//   Caption  on the window  -> windowTitle
//            on a control   -> text (buttons, labels, actions), else title
//                              (group boxes), else windowTitle
//   Hint                    -> toolTip gets the part before '|', statusTip the
//                              part after it (the whole text when there is no '|')
//   anything else           -> the QString property of that name (ignoring case)
// A property the object declares under the block's own name (a Q_PROPERTY
// "Caption") always wins over the mapping. Values are taken as they stand,
// trailing spaces included, up to 4096 characters.
#include <QString>
#include <QStringList>

class QObject;

class TfrxWindowLocalizer
{
public:
    explicit TfrxWindowLocalizer(QObject *window) : m_window(window) {}

    void Apply(const QStringList &lines) const;
    // One line; false when it names a missing control or an unknown property.
    bool ApplyLine(const QString &line) const;

    static constexpr qsizetype MaxValueLength = 4096;

private:
    bool setText(QObject *target, bool isWindow, const QString &property,
                 const QString &value) const;

    QObject *m_window;
};
