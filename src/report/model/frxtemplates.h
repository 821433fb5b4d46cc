#pragma once
// The four report templates the program prints with: the patient and the dental
// referral form and the two statistics lists.
//
// Each template is an XML document of the report engine's own dialect, compiled
// into the program as a resource (":/report/templates/<name>.xml", code page
// 1254 bytes) and built into a TfrxReport through the serializer, exactly like a
// copy of a report is read back. No template is ever read from or written to a
// file while the program runs.
//
// A template is program data: an element or attribute of it that the
// serializer cannot apply is a fault of the program, not of the user's input,
// so LoadTemplate refuses such a template instead of running with half of it.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class TfrxReport;

enum class TemplateName { RpHasta, RpDis, RpDetay, RpKisisel };

// The template's name, which is also the name of its report ("RpHasta").
QString TemplateNameText(TemplateName name);
// The template whose name matches, ASCII letters compared without case.
std::optional<TemplateName> TemplateByName(const QString &name);
// All four, in the order above.
QList<TemplateName> AllTemplates();

// What the exit-date boxes of the referral forms show until a date is written,
// and what a blank patient form prints there: "..... / ..... / 20.....", the
// century given and the rest of the year left for the clerk's hand.
QString ExitDatePlaceholder();

// The embedded document, as stored.
QByteArray TemplateDocument(TemplateName name);

// Clears the report and builds the template into it. Returns the serializer's
// error lines (empty when every element and attribute applied). Throws
// LoderaError naming the template when its document is missing or malformed.
QStringList ReadTemplate(TfrxReport *report, TemplateName name);

// As ReadTemplate, but any error line is a failure: throws LoderaError naming
// the template and listing the lines.
void LoadTemplate(TfrxReport *report, TemplateName name);

// A new report holding the template; throws as LoadTemplate.
std::unique_ptr<TfrxReport> CreateTemplate(TemplateName name);
