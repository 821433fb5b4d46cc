#include "settings/turkishtextrules.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Types text one character at a time as a keyboard does, key code and text,
// so that non-ASCII letters arrive exactly as a Turkish keyboard sends them.
void type(QLineEdit *edit, const QString &text)
{
    for (QChar c : text) {
        const int key = c.unicode() < 0x80 ? int(QChar(c).toUpper().unicode()) : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(edit, &press);
        QApplication::sendEvent(edit, &release);
    }
}

struct TypingRow
{
    const char *name;
    TextRule rule;
    const char16_t *typed;
    const char16_t *expected;
};

class TypingRules : public ::testing::TestWithParam<TypingRow> {};

TEST_P(TypingRules, ChangeTypedLetters)
{
    const TypingRow &row = GetParam();
    QLineEdit edit;
    installTextRule(&edit, row.rule);
    type(&edit, QString::fromUtf16(row.typed));
    EXPECT_EQ(edit.text(), QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Rows, TypingRules, ::testing::Values(
    TypingRow{"words", TextRule::TitleCase, u"ahmet can", u"Ahmet Can"},
    TypingRow{"dotted_i", TextRule::TitleCase, u"istanbul", u"İstanbul"},
    TypingRow{"dotless_i", TextRule::TitleCase, u"ılgaz", u"Ilgaz"},
    TypingRow{"after_full_stop", TextRule::TitleCase, u"a.b", u"A.B"},
    TypingRow{"after_blank", TextRule::TitleCase, u"x y", u"X Y"},
    TypingRow{"turkish_letters_first", TextRule::TitleCase, u"çağrı şen ömer ünal ğ", u"Çağrı Şen Ömer Ünal Ğ"},
    TypingRow{"circumflex_unchanged", TextRule::TitleCase, u"âli", u"âli"},
    TypingRow{"digits_then_letters", TextRule::TitleCase, u"12 ekim", u"12 Ekim"},
    TypingRow{"surname", TextRule::Capitals, u"şahin", u"ŞAHİN"},
    TypingRow{"q_and_w_stay", TextRule::Capitals, u"qwerty", u"qwERTY"},
    TypingRow{"surname_dotless", TextRule::Capitals, u"ışık çağ ünlü öz", u"IŞIK ÇAĞ ÜNLÜ ÖZ"},
    TypingRow{"refused_title", TextRule::TitleCase, u"kāzım", u"Kzım"},
    TypingRow{"refused_capitals", TextRule::Capitals, u"ā€я", u"€"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TypingRules, LookAtTheCharacterBeforeTheCaret)
{
    QLineEdit edit;
    installTextRule(&edit, TextRule::TitleCase);
    edit.setText(QStringLiteral("Ali"));
    edit.setCursorPosition(1);
    type(&edit, QStringLiteral("b"));
    EXPECT_EQ(edit.text(), QStringLiteral("Abli"));

    edit.setText(QStringLiteral("Ali Can"));
    edit.setCursorPosition(4);
    type(&edit, QStringLiteral("i"));
    EXPECT_EQ(edit.text(), QStringLiteral("Ali İCan"));

    // A selection is replaced; the character before its start decides.
    edit.setText(QStringLiteral("ali veli"));
    edit.setSelection(4, 4);
    type(&edit, QStringLiteral("ayşe"));
    EXPECT_EQ(edit.text(), QStringLiteral("ali Ayşe"));
    edit.selectAll();
    type(&edit, QStringLiteral("ece"));
    EXPECT_EQ(edit.text(), QStringLiteral("Ece"));
}

TEST(TypingRules, LeaveSetAndInsertedTextAlone)
{
    QLineEdit edit;
    installTextRule(&edit, TextRule::Capitals);
    edit.setText(QStringLiteral("şahin"));
    edit.insert(QStringLiteral(" yılmaz"));
    EXPECT_EQ(edit.text(), QStringLiteral("şahin yılmaz"));
}

TEST(TypingRules, ChangedLettersStillCountAsTyping)
{
    QLineEdit edit;
    edit.setMaxLength(3);
    installTextRule(&edit, TextRule::Capitals);
    QStringList edited;
    QObject::connect(&edit, &QLineEdit::textEdited, [&](const QString &t) { edited.append(t); });
    type(&edit, QStringLiteral("ayşe"));
    EXPECT_EQ(edit.text(), QStringLiteral("AYŞ"));
    EXPECT_EQ(edited, (QStringList{QStringLiteral("A"), QStringLiteral("AY"), QStringLiteral("AYŞ")}));
    edit.undo();
    EXPECT_EQ(edit.text(), QString());  // one undo step, as typed text
}

TEST(TypingRules, ShortcutsStillWork)
{
    QLineEdit edit;
    installTextRule(&edit, TextRule::TitleCase);
    edit.setText(QStringLiteral("ali"));
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit.selectedText(), QStringLiteral("ali"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), QString());
}

TEST(TypingRules, InputMethodCommitsFollowTheRule)
{
    QLineEdit edit;
    installTextRule(&edit, TextRule::TitleCase);
    edit.setText(QStringLiteral("Ali "));
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("şenāl"));
    QApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.text(), QStringLiteral("Ali Şenl"));
}

TEST(Cp1254Filter, RefusesOnlyWhatTheCodePageLacks)
{
    QLineEdit edit;
    installCp1254Filter(&edit);
    type(&edit, QStringLiteral("12ā ğüş €я"));
    EXPECT_EQ(edit.text(), QStringLiteral("12 ğüş €"));
}

} // namespace
