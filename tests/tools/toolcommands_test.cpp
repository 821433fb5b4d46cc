// The companion tool's command lines, run as the clerk or a script runs them:
// lodera-tool as a child process, its exit code, its output, and the files it
// leaves. The register files are looked at from outside with the SQLite and
// SQLCipher shells, not through the program's own database layer.
#include "support/testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

struct Outcome {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Outcome runProgram(const QString &program, const QStringList &args, const QString &dir, const QByteArray &input = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(program, args);
    Outcome r;
    if (!p.waitForStarted(10000)) {
        r.err = QStringLiteral("cannot start ") + program;
        return r;
    }
    p.write(input);
    p.closeWriteChannel();
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("timed out: ") + program;
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QString toolPath() { return testsupport::binDir() + QStringLiteral("/lodera-tool"); }

// Runs the SQLCipher shell on `file`, keyed with the program's password when
// `keyed`; the shell without a key reads a file as plain SQLite does.
Outcome sqlcipher(const QString &file, const QByteArray &sql, bool keyed = true)
{
    const QByteArray key = keyed ? "PRAGMA key = 'mavi1953';\nPRAGMA cipher_compatibility = 3;\n" : "";
    return runProgram(QStringLiteral("sqlcipher"), {QStringLiteral("-batch"), file},
                      QFileInfo(file).absolutePath(), key + sql + "\n");
}

// The shell's answer lines, without the "ok" some versions print for a pragma.
QStringList answerLines(const Outcome &r)
{
    QStringList lines = QString::fromUtf8(r.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    lines.removeAll(QStringLiteral("ok"));
    return lines;
}

class ToolCommands : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFileInfo(toolPath()).isExecutable()) << toolPath().toStdString() << " (LODERA_BIN_DIR)";
    }

    Outcome tool(QStringList args)
    {
        for (QString &a : args)
            a.replace(QStringLiteral("{dir}"), m_dir.path());
        return runProgram(toolPath(), args, m_dir.path());
    }

    QString file(const char *folder) const
    {
        return m_dir.filePath(QString::fromLatin1(folder) + QStringLiteral("/Data.ssd"));
    }

    QTemporaryDir m_dir;
};

// ---------------------------------------------------------------------------
// A new register: encrypted, the six tables, and the rows asked for.

struct NewRegister {
    const char *name;
    std::vector<const char *> args;
    int staff;
};

class NewRegisterFile : public ToolCommands, public ::testing::WithParamInterface<NewRegister>
{
};

TEST_P(NewRegisterFile, IsEncryptedAndOpensWithTheProgramsKey)
{
    QStringList args;
    for (const char *a : GetParam().args)
        args << QString::fromUtf8(a);
    const Outcome made = tool(args);
    ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
    const QString path = file("reg");
    ASSERT_TRUE(QFileInfo::exists(path));

    // Without the key the file is no database at all.
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    const Outcome plain = sqlite3.isEmpty()
        ? sqlcipher(path, "SELECT count(*) FROM sqlite_master;", false)
        : runProgram(sqlite3, {QStringLiteral("-batch"), path, QStringLiteral("SELECT count(*) FROM sqlite_master;")},
                     m_dir.path());
    EXPECT_NE(plain.exitCode, 0);
    EXPECT_TRUE(plain.err.contains(QLatin1String("not a database"))) << plain.err.toStdString();

    const Outcome tables =
        sqlcipher(path, "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' ORDER BY name;");
    ASSERT_EQ(tables.exitCode, 0) << tables.err.toStdString();
    EXPECT_EQ(answerLines(tables),
              (QStringList{"Personel", "SKurum", "Sabit", "Unvan", "Yakinlar", "istatistik"}));

    // Counted along the key: a plain count would read the index on the display
    // names, whose Turkish collation the shell does not have.
    const Outcome staff = sqlcipher(path, "SELECT count(*) FROM Personel WHERE SiraNo > 0;");
    EXPECT_EQ(answerLines(staff), QStringList{QString::number(GetParam().staff)}) << staff.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Commands, NewRegisterFile,
    ::testing::Values(NewRegister{"init_db", {"init-db", "{dir}/reg"}, 0},
                      NewRegister{"demo_db", {"demo-db", "{dir}/reg", "--staff", "5", "--stats", "2"}, 5}),
    [](const auto &info) { return info.param.name; });

// ---------------------------------------------------------------------------
// An existing Data.ssd is never overwritten.

class ExistingRegister : public ToolCommands, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(ExistingRegister, IsRefusedAndLeftAsItWas)
{
    ASSERT_TRUE(QDir().mkpath(m_dir.filePath(QStringLiteral("reg"))));
    const QByteArray before = "the office's register\n";
    {
        QFile f(file("reg"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(before);
    }
    const Outcome r = tool({QString::fromLatin1(GetParam()), QStringLiteral("{dir}/reg")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("'Data.ssd' dosyası zaten var; üzerine yazılmaz."))) << r.err.toStdString();
    QFile f(file("reg"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

INSTANTIATE_TEST_SUITE_P(Commands, ExistingRegister, ::testing::Values("init-db", "demo-db"),
                         [](const auto &info) { return std::string(info.param) == "init-db" ? "init_db" : "demo_db"; });

// ---------------------------------------------------------------------------
// Bad command lines: the usage on standard error, a non-zero exit, no file.

struct BadLine {
    const char *name;
    std::vector<const char *> args;
    const char *message;
};

class BadCommandLine : public ToolCommands, public ::testing::WithParamInterface<BadLine>
{
};

TEST_P(BadCommandLine, ShowsTheUsageAndMakesNothing)
{
    QStringList args;
    for (const char *a : GetParam().args)
        args << QString::fromUtf8(a);
    const Outcome r = tool(args);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QString::fromUtf8(GetParam().message))) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(file("reg")));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCommandLine,
    ::testing::Values(
        BadLine{"no_command", {}, "kullanım: lodera-tool KOMUT"},
        BadLine{"unknown_command", {"yok-boyle"}, "kullanım: lodera-tool KOMUT"},
        BadLine{"init_db_without_folder", {"init-db"}, "kullanım: lodera-tool init-db DIR"},
        BadLine{"init_db_two_folders", {"init-db", "{dir}/reg", "{dir}/other"}, "kullanım: lodera-tool init-db DIR"},
        BadLine{"demo_db_without_folder", {"demo-db"}, "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_option_first", {"demo-db", "--staff", "5"}, "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_missing_count", {"demo-db", "{dir}/reg", "--staff"}, "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_count_not_a_number", {"demo-db", "{dir}/reg", "--staff", "beş"},
                "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_negative_count", {"demo-db", "{dir}/reg", "--stats", "-1"}, "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_unknown_option", {"demo-db", "{dir}/reg", "--kisi", "5"}, "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_impossible_day", {"demo-db", "{dir}/reg", "--today", "2023-02-29"},
                "kullanım: lodera-tool demo-db DIR"},
        BadLine{"demo_db_day_in_short_form", {"demo-db", "{dir}/reg", "--today", "01.03.2020"},
                "kullanım: lodera-tool demo-db DIR"},
        BadLine{"template_without_name", {"template"}, "kullanım: lodera-tool template"},
        BadLine{"template_unknown_name", {"template", "RpYok"}, "bilinmeyen şablon: RpYok"}),
    [](const auto &info) { return info.param.name; });

// ---------------------------------------------------------------------------
// demo-db --today: the register hangs on the day given, not on the clock.

TEST_F(ToolCommands, DemoRegisterForAGivenDayIsTheSameOnAnyDay)
{
    // Two years before 15.06.2011, day excluded, up to that day included.
    for (const char *folder : {"a", "b"}) {
        const Outcome r = tool({"demo-db", QStringLiteral("{dir}/") + QLatin1String(folder), "--staff", "6", "--stats",
                            "3", "--today", "2011-06-15"});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    }
    const QByteArray range = "SELECT count(*) > 0, min(substr(Tarih, 1, 10)) >= '2009-06-16', "
                             "max(substr(Tarih, 1, 10)) <= '2011-06-15' FROM istatistik;";
    EXPECT_EQ(answerLines(sqlcipher(file("a"), range)), QStringList{"1|1|1"});

    // The same content in both files (the encrypted bytes differ by their salt).
    const QByteArray rows = "SELECT * FROM Personel ORDER BY SiraNo; SELECT * FROM Yakinlar ORDER BY rowid;"
                            "SELECT * FROM Sabit ORDER BY rowid; SELECT * FROM Unvan ORDER BY SiraNo;"
                            "SELECT * FROM SKurum ORDER BY SiraNo; SELECT * FROM istatistik ORDER BY rowid;";
    const Outcome a = sqlcipher(file("a"), rows), b = sqlcipher(file("b"), rows);
    ASSERT_EQ(a.exitCode, 0) << a.err.toStdString();
    EXPECT_GT(answerLines(a).size(), 6 + 6);
    EXPECT_EQ(a.out, b.out);
}

// ---------------------------------------------------------------------------
// template NAME: the engine's XML document of a built-in template.

TEST_F(ToolCommands, TemplateIsAnXmlDocumentOfTheReport)
{
    const Outcome utf8 = tool({"template", "RpHasta", "--utf8"});
    ASSERT_EQ(utf8.exitCode, 0) << utf8.err.toStdString();
    QXmlStreamReader xml(utf8.out);
    ASSERT_TRUE(xml.readNextStartElement()) << xml.errorString().toStdString();
    EXPECT_EQ(xml.name(), QLatin1String("TfrxReport"));
    EXPECT_EQ(xml.attributes().value(QLatin1String("Name")), QLatin1String("RpHasta"));
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();

    // Without --utf8 the bytes are code page 1254: "ı" is 0xFD.
    const Outcome native = tool({"template", "RpHasta"});
    ASSERT_EQ(native.exitCode, 0);
    EXPECT_TRUE(native.out.contains("Varsay\xFDlan"));
}

} // namespace
