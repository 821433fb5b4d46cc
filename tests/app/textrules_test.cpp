// Which box of the main window follows which typing rule, and the refusal
// of characters that code page 1254 cannot hold in every box.
#include "mainwindowfixture.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

enum class Rule { TitleCase, Capitals, None };

struct BoxRow {
    const char *name;
    Rule rule;
};

const BoxRow boxes[] = {
    {"DBEdit6", Rule::TitleCase},   {"DBEdit10", Rule::TitleCase}, {"DBEdit11", Rule::TitleCase},
    {"DBEdit14", Rule::TitleCase},  {"DBEdit12", Rule::TitleCase}, {"DBEdit15", Rule::TitleCase},
    {"DBEdit18", Rule::TitleCase},  {"DBEdit17", Rule::TitleCase}, {"DBEdit9", Rule::TitleCase},
    {"DBEdit19", Rule::TitleCase},  {"Edit1", Rule::TitleCase},    {"EdKurum1", Rule::TitleCase},
    {"EdAdres1", Rule::TitleCase},  {"EdTarih", Rule::TitleCase},  {"EdCikis", Rule::TitleCase},
    {"DBEdit8", Rule::Capitals},    {"DBEdit13", Rule::Capitals},  {"DBEdit16", Rule::Capitals},
    {"DBEdit21", Rule::None},       {"DBEdit7", Rule::None},       {"DBEdit22", Rule::None},
    {"DBComboBox1", Rule::None},    {"DBComboBox2", Rule::None},   {"ComboBox2", Rule::None},
};

using TextRuleTest = MainWindowTest;

TEST_F(TextRuleTest, EveryBoxFollowsItsRuleAndRefusesForeignLetters)
{
    for (const BoxRow &b : boxes) {
        SCOPED_TRACE(b.name);
        QWidget *w = find<QWidget>(b.name);
        ASSERT_NE(w, nullptr);
        auto *edit = qobject_cast<QLineEdit *>(w);
        if (auto *combo = qobject_cast<QComboBox *>(w))
            edit = combo->lineEdit();
        ASSERT_NE(edit, nullptr);
        edit->clear();
        type(edit, s("iş ā"));
        const char *expected = b.rule == Rule::TitleCase ? "İş " : b.rule == Rule::Capitals ? "İŞ " : "iş ";
        EXPECT_EQ(edit->text(), s(expected));
    }
}

} // namespace
