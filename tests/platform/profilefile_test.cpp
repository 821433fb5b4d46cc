#include "platform/loderaerror.h"
#include "platform/profilefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ProfileFileTest : public ::testing::Test
{
protected:
    QString path(const char *name = "Lodera.ini") const { return dir.filePath(QString::fromLatin1(name)); }

    void writeBytes(const QByteArray &bytes, const char *name = "Lodera.ini") const
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QByteArray bytes(const char *name = "Lodera.ini") const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
};

// A file as a clerk might have left it: code page 1254 names, a comment, a
// garbage line, blanks around "=", a duplicate key, a section that occurs
// twice, a key before the first section and LF line endings.
const QByteArray Fixture =
    "Loose=before any section\n"
    "; kept as it is\n"
    "[Se\xE7im]\n"
    "Onzileme = 0\n"
    "this line means nothing\n"
    "=no key\n"
    ";Arama=1\n"
    "Arama=0x1\n"
    "Arama=0\n"
    "Tarih=yes\n"
    "\n"
    "[Secim]\n"
    "  Saglik  =  Devlet Hastanesi  \n"
    "Quoted=\"  padded  \"\n"
    "[Bilgiler]\n"
    "Kurum Kay\xFDt No=17\n"
    "[Se\xE7im]\n"
    "Siralama=1\n"
    "Onzileme=1";

struct ReadRow
{
    const char *name;
    const char16_t *section;
    const char16_t *key;
    const char16_t *expected;
};

class ProfileRead : public ProfileFileTest, public ::testing::WithParamInterface<ReadRow> {};

TEST_P(ProfileRead, FindsTheKeyAsWindowsWould)
{
    writeBytes(Fixture);
    const ReadRow &row = GetParam();
    EXPECT_EQ(ProfileFile::readString(path(), QString::fromUtf16(row.section), QString::fromUtf16(row.key),
                                      QStringLiteral("<default>")),
              QString::fromUtf16(row.expected));
}

INSTANTIATE_TEST_SUITE_P(Fixture, ProfileRead, ::testing::Values(
    ReadRow{"blanks_around_equals", u"Seçim", u"Onzileme", u"0"},
    ReadRow{"first_duplicate_wins", u"Seçim", u"Arama", u"0x1"},
    ReadRow{"commented_key_is_no_key", u"Seçim", u";Arama", u"<default>"},
    ReadRow{"garbage_line_is_no_key", u"Seçim", u"this line means nothing", u"<default>"},
    ReadRow{"repeated_section_is_one", u"Seçim", u"Siralama", u"1"},
    ReadRow{"cedilla_section_is_not_plain_c", u"Secim", u"Onzileme", u"<default>"},
    ReadRow{"plain_c_section", u"Secim", u"Saglik", u"Devlet Hastanesi"},
    ReadRow{"quotes_removed", u"Secim", u"Quoted", u"  padded  "},
    ReadRow{"section_case_ignored", u"SEÇIM", u"onzileme", u"0"},
    ReadRow{"dotless_key_case_ignored", u"bilgiler", u"KURUM KAYIT NO", u"17"},
    ReadRow{"dotted_capital_is_its_own", u"SEÇİM", u"Onzileme", u"<default>"},
    ReadRow{"names_trimmed", u" Secim ", u"Saglik ", u"Devlet Hastanesi"},
    ReadRow{"key_outside_sections", u"", u"Loose", u"<default>"},
    ReadRow{"missing_section", u"Program", u"Dizin", u"<default>"},
    ReadRow{"missing_key", u"Bilgiler", u"Kurum Adı", u"<default>"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProfileFileTest, MissingFileGivesTheDefault)
{
    EXPECT_EQ(ProfileFile::readString(path("none.ini"), "Seçim", "Onzileme", "x"), QStringLiteral("x"));
    EXPECT_TRUE(ProfileFile::readBool(path("none.ini"), "Seçim", "Onzileme", true));
}

TEST_F(ProfileFileTest, LongValuesAreCutTo2047Characters)
{
    const QByteArray longValue(3000, 'a');
    writeBytes("[Bilgiler]\r\nKurum Ad\xFD=" + longValue + "\r\n");
    const QString read = ProfileFile::readString(path(), "Bilgiler", "Kurum Adı", {});
    EXPECT_EQ(read.size(), 2047);
    EXPECT_EQ(ProfileFile::readString(path(), "Bilgiler", "Yok", QString(2048, u'b')).size(), 2047);
}

struct BoolRow
{
    const char *name;
    const char *stored;  // nullptr: no such key
    bool def;
    bool expected;
};

class ProfileBool : public ProfileFileTest, public ::testing::WithParamInterface<BoolRow> {};

TEST_P(ProfileBool, ReadsIntegersAsTruthValues)
{
    const BoolRow &row = GetParam();
    QByteArray file = "[Krtk]\r\n";
    if (row.stored)
        file += QByteArray("1=") + row.stored + "\r\n";
    writeBytes(file);
    EXPECT_EQ(ProfileFile::readBool(path(), "Krtk", "1", row.def), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, ProfileBool, ::testing::Values(
    BoolRow{"one", "1", false, true},
    BoolRow{"zero", "0", true, false},
    BoolRow{"any_nonzero", "7", false, true},
    BoolRow{"negative", "-1", false, true},
    BoolRow{"hex_one", "0x1", false, true},
    BoolRow{"hex_upper_zero", "0X0", true, false},
    BoolRow{"hex_digits", "0xfF", false, true},
    BoolRow{"blanks_trimmed", "  1  ", false, true},
    BoolRow{"yes_is_default_true", "yes", true, true},
    BoolRow{"yes_is_default_false", "yes", false, false},
    BoolRow{"trailing_garbage", "1a", false, false},
    BoolRow{"bare_hex_prefix", "0x", true, true},
    BoolRow{"empty", "", true, true},
    BoolRow{"too_large", "99999999999", false, false},
    BoolRow{"missing_true", nullptr, true, true},
    BoolRow{"missing_false", nullptr, false, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(ProfileFileTest, WritingCreatesFileSectionsAndKeysInCodePage1254)
{
    const QString f = path("sub/Lodera.ini");
    ProfileFile::writeBool(f, "Seçim", "Onzileme", true);
    ProfileFile::writeString(f, "Secim", "Saglik", "Şişli Etfal");
    ProfileFile::writeBool(f, "Seçim", "Arama", false);
    ProfileFile::writeString(f, "Bilgiler", "Kurum Adı", "Çağ");
    EXPECT_EQ(bytes("sub/Lodera.ini"),
              QByteArray("[Se\xE7im]\r\n"
                         "Onzileme=1\r\n"
                         "Arama=0\r\n"
                         "\r\n"
                         "[Secim]\r\n"
                         "Saglik=\xDE" "i\xFEli Etfal\r\n"
                         "\r\n"
                         "[Bilgiler]\r\n"
                         "Kurum Ad\xFD=\xC7" "a\xF0\r\n"));
}

TEST_F(ProfileFileTest, WritingChangesOneLineAndKeepsEveryOther)
{
    writeBytes(Fixture);
    ProfileFile::writeString(path(), "SEÇIM", "ARAMA", "1");         // first of the duplicates
    ProfileFile::writeString(path(), "Secim", "Saglik", "Yeni");      // blanks after "=" kept
    ProfileFile::writeString(path(), "Secim", "Yeni Anahtar", "x");   // after the section's last key
    ProfileFile::writeString(path(), "Seçim", "Onzileme", "1");       // the first occurrence
    ProfileFile::writeString(path(), "Program", "Dizin", "/opt/lodera/Lodera");  // file had no final newline
    EXPECT_EQ(bytes(),
              QByteArray("Loose=before any section\n"
                         "; kept as it is\n"
                         "[Se\xE7im]\n"
                         "Onzileme = 1\n"
                         "this line means nothing\n"
                         "=no key\n"
                         ";Arama=1\n"
                         "Arama=1\n"
                         "Arama=0\n"
                         "Tarih=yes\n"
                         "\n"
                         "[Secim]\n"
                         "  Saglik  =  Yeni\n"
                         "Quoted=\"  padded  \"\n"
                         "Yeni Anahtar=x\n"
                         "[Bilgiler]\n"
                         "Kurum Kay\xFDt No=17\n"
                         "[Se\xE7im]\n"
                         "Siralama=1\n"
                         "Onzileme=1\n"
                         "\n"
                         "[Program]\n"
                         "Dizin=/opt/lodera/Lodera\n"));
}

TEST_F(ProfileFileTest, ValuesReadBackExactly)
{
    const QString values[] = {
        QStringLiteral("  leading and trailing  "), QStringLiteral("\"quoted\""), QStringLiteral("'single'"),
        QStringLiteral("\""), QStringLiteral("a=b;c [d]"), QString(), QStringLiteral("İĞÜŞÖÇığüşöç €"),
    };
    for (const QString &v : values) {
        ProfileFile::writeString(path(), "Bilgiler", "Kurum Adresi", v);
        EXPECT_EQ(ProfileFile::readString(path(), "Bilgiler", "Kurum Adresi", "<default>"), v);
    }
}

TEST_F(ProfileFileTest, LineBreaksInAValueBecomeBlanks)
{
    ProfileFile::writeString(path(), "Bilgiler", "Kurum Adresi", "Atatürk Cd.\r\nNo 5\nAnkara");
    ProfileFile::writeString(path(), "Bilgiler", "Kurum Adı", "Kurum");
    EXPECT_EQ(ProfileFile::readString(path(), "Bilgiler", "Kurum Adresi", {}), QStringLiteral("Atatürk Cd. No 5 Ankara"));
    EXPECT_EQ(ProfileFile::readString(path(), "Bilgiler", "Kurum Adı", {}), QStringLiteral("Kurum"));
}

TEST_F(ProfileFileTest, FailedWritesNameTheFileAndChangeNothing)
{
    writeBytes("[Bilgiler]\r\nKurum Ad\xFD=Eski\r\n");
    const QByteArray before = bytes();

    struct Case
    {
        const char *name;
        QString file;
        QString value;
    };
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.ini"));
    const Case cases[] = {
        {"not_in_code_page", path(), QStringLiteral("Kāzım")},
        {"file_is_a_folder", path("folder.ini"), QStringLiteral("x")},
        {"folder_is_a_file", path("Lodera.ini/inner.ini"), QStringLiteral("x")},
    };
    for (const Case &c : cases) {
        try {
            ProfileFile::writeString(c.file, "Bilgiler", "Kurum Adı", c.value);
            ADD_FAILURE() << c.name << ": no error";
        } catch (const LoderaError &e) {
            EXPECT_TRUE(e.message().contains(QDir::toNativeSeparators(c.file))) << c.name << ": " << e.what();
        }
    }
    EXPECT_EQ(bytes(), before);
}

TEST(ProfilePaths, WinIniFollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/srv/conf");
    EXPECT_EQ(ProfileFile::winIniPath(), QStringLiteral("/srv/conf/win.ini"));
    qputenv("XDG_CONFIG_HOME", "relative/conf");
    EXPECT_EQ(ProfileFile::winIniPath(), QDir::homePath() + QStringLiteral("/.config/win.ini"));
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(ProfileFile::winIniPath(), QDir::homePath() + QStringLiteral("/.config/win.ini"));
    if (!saved.isNull())
        qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
