#pragma once
// Hints are written "short|long": the short part is the tool tip of controls
// that show tips, the long part goes to the status bar while the mouse rests
// over the control (or over a child of it that has no hint of its own). A
// text without "|" serves as both parts.
#include <QString>

class QWidget;

enum class ShowTip { No, Yes };

namespace hinttext {

QString shortPart(const QString &hint);
QString longPart(const QString &hint);

// Gives the control its hint: the long part as its status tip, the short part
// as its tool tip when the control shows tips.
void apply(QWidget *control, const QString &hint, ShowTip showTip);

// The long hint in force over `control`: its own or that of the nearest
// parent that has one; empty when none has.
QString longHintAt(const QWidget *control);

} // namespace hinttext
