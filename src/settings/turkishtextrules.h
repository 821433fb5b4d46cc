#pragma once
// The key-press rules of the input boxes.
//
// Names and addresses are typed in Turkish and printed on official forms, so
// the boxes raise typed letters as the clerk types: the title-case rule raises
// the first letter of every word (a letter typed at the start of the box or
// after a blank or a full stop), the capitals rule raises every letter of a
// surname. Both raise with the Turkish pairs (i to İ, ı to I). They act on
// typed characters only, key presses and input-method commits; text that is
// pasted or that the program sets is left as it is.
//
// Every box with a rule also refuses a typed character that code page 1254
// cannot hold, since the settings files and the printed forms keep text in
// that code page. installCp1254Filter gives the refusal alone to the other
// boxes.
#include <QStringView>

class QLineEdit;

enum class TextRule { TitleCase, Capitals };

// The filter becomes a child of the edit and lives as long as it does.
void installTextRule(QLineEdit *edit, TextRule rule);
void installCp1254Filter(QLineEdit *edit);

// What a rule makes of text typed at a place whose preceding character is
// before (a null QChar at the start of the box). Refused characters are left
// out.
QString applyTextRule(TextRule rule, QChar before, QStringView typed);
QString applyCp1254Filter(QStringView typed);
