#include "platform/loderaerror.h"
#include "settings/mainsettingsstore.h"
#include "settings/optionsstore.h"
#include "settings/protectionstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class SettingsFiles : public ::testing::Test
{
protected:
    QString ini() const { return dir.filePath(QStringLiteral("Lodera.ini")); }
    QString winIni() const { return dir.filePath(QStringLiteral("win.ini")); }

    static QByteArray bytes(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    static void write(const QString &file, const QByteArray &content)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    QTemporaryDir dir;
};

TEST_F(SettingsFiles, FirstStartHasTheDefaultsAndOneCloseWritesAllOptionKeys)
{
    OptionsStore store(ini());
    const SettingsOptions loaded = store.load(SettingsOptions{});
    EXPECT_TRUE(loaded.preview);
    EXPECT_FALSE(loaded.filterSearch);
    EXPECT_FALSE(loaded.alphabetical);
    EXPECT_FALSE(loaded.autoExitDate);
    EXPECT_EQ(loaded.statistics, StatisticsMode::NotKept);
    EXPECT_FALSE(QFile::exists(ini()));

    store.save(loaded);
    EXPECT_EQ(bytes(ini()), QByteArray("[Se\xE7im]\r\n"
                                       "Onzileme=1\r\n"
                                       "Arama=0\r\n"
                                       "Siralama=0\r\n"
                                       "Tarih=0\r\n"
                                       "\r\n"
                                       "[Krtk]\r\n"
                                       "1=1\r\n"
                                       "Secim=1\r\n"));
}

TEST_F(SettingsFiles, EveryOptionSurvivesARestart)
{
    const SettingsOptions changed{false, true, true, true, StatisticsMode::Always};
    OptionsStore(ini()).save(changed);
    EXPECT_EQ(bytes(ini()), QByteArray("[Se\xE7im]\r\n"
                                       "Onzileme=0\r\n"
                                       "Arama=1\r\n"
                                       "Siralama=1\r\n"
                                       "Tarih=1\r\n"
                                       "\r\n"
                                       "[Krtk]\r\n"
                                       "1=0\r\n"
                                       "Secim=3\r\n"));
    // A new start loads over the first-start defaults.
    EXPECT_EQ(OptionsStore(ini()).load(SettingsOptions{}), changed);

    for (StatisticsMode mode : {StatisticsMode::NotKept, StatisticsMode::AskEachTime, StatisticsMode::Always,
                                StatisticsMode::NoneSelected}) {
        SettingsOptions o;
        o.statistics = mode;
        OptionsStore(ini()).save(o);
        EXPECT_EQ(OptionsStore(ini()).load(SettingsOptions{}).statistics, mode) << int(mode);
    }
}

struct StatisticsRow
{
    const char *name;
    const char *krtk;           // the lines of section "Krtk"
    StatisticsMode current;     // the window's state before reading
    StatisticsMode expected;
};

class StatisticsChoice : public SettingsFiles, public ::testing::WithParamInterface<StatisticsRow> {};

TEST_P(StatisticsChoice, ReadsTheStoredButton)
{
    const StatisticsRow &row = GetParam();
    write(ini(), QByteArray("[Krtk]\r\n") + row.krtk);
    SettingsOptions current;
    current.statistics = row.current;
    EXPECT_EQ(OptionsStore(ini()).load(current).statistics, row.expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, StatisticsChoice, ::testing::Values(
    StatisticsRow{"not_kept_wins", "1=1\r\nSecim=3\r\n", StatisticsMode::Always, StatisticsMode::NotKept},
    StatisticsRow{"ask", "1=0\r\nSecim=2\r\n", StatisticsMode::NotKept, StatisticsMode::AskEachTime},
    StatisticsRow{"always", "1=0\r\nSecim=3\r\n", StatisticsMode::NotKept, StatisticsMode::Always},
    // A file from before "Secim" existed: no button at a fresh start...
    StatisticsRow{"old_file_at_start", "1=0\r\n", StatisticsMode::NotKept, StatisticsMode::NoneSelected},
    // ... and the window's own choice when it is shown again.
    StatisticsRow{"old_file_later", "1=0\r\n", StatisticsMode::Always, StatisticsMode::Always},
    StatisticsRow{"nonsense", "1=0\r\nSecim=9\r\n", StatisticsMode::NotKept, StatisticsMode::NoneSelected},
    StatisticsRow{"unreadable_one", "1=yes\r\nSecim=2\r\n", StatisticsMode::NotKept, StatisticsMode::NotKept}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsFiles, UnreadableTruthValuesKeepTheWindowsState)
{
    write(ini(), "[Se\xE7im]\r\nOnzileme=yes\r\nArama=0x1\r\nSiralama=\r\n[Secim]\r\nTarih=1\r\n");
    SettingsOptions current;
    current.preview = false;
    current.alphabetical = true;
    const SettingsOptions o = OptionsStore(ini()).load(current);
    EXPECT_FALSE(o.preview);       // "yes": the current state
    EXPECT_TRUE(o.filterSearch);   // 0x1
    EXPECT_TRUE(o.alphabetical);   // empty: the current state
    EXPECT_FALSE(o.autoExitDate);  // only in the other section
}

TEST_F(SettingsFiles, MainWindowKeysGoToTheirOwnSections)
{
    write(ini(), "; Lodera\r\n[Se\xE7im]\r\nOnzileme=1\r\n");
    const MainSettings s{QStringLiteral("2026/145"), QStringLiteral("Çankaya Belediyesi"),
                         QStringLiteral("Ziya Gökalp Cd. No:11 Ankara"), QStringLiteral("Şişli Etfal EAH")};
    MainSettingsStore(ini()).save(s);

    // "Dizin" is the running executable's full path as the system names it,
    // with '/' between the folders (a backslash would be part of a name here).
    const QByteArray dizin = QFile::symLinkTarget(QStringLiteral("/proc/self/exe")).toUtf8();
    ASSERT_TRUE(dizin.startsWith('/') && dizin.endsWith("/test_settings")) << dizin.constData();
    EXPECT_EQ(bytes(ini()), QByteArray("; Lodera\r\n[Se\xE7im]\r\nOnzileme=1\r\n"
                                       "\r\n"
                                       "[Program]\r\n"
                                       "Dizin=") + dizin + QByteArray("\r\n"
                                       "\r\n"
                                       "[Bilgiler]\r\n"
                                       "Kurum Kay\xFDt No=2026/145\r\n"
                                       "Kurum Ad\xFD=\xC7" "ankaya Belediyesi\r\n"
                                       "Kurum Adresi=Ziya G\xF6kalp Cd. No:11 Ankara\r\n"
                                       "\r\n"
                                       "[Secim]\r\n"
                                       "Saglik=\xDE" "i\xFEli Etfal EAH\r\n"));
    EXPECT_EQ(MainSettingsStore(ini()).load(MainSettings{}), s);
    EXPECT_TRUE(OptionsStore(ini()).load(SettingsOptions{}).preview);
}

TEST_F(SettingsFiles, MissingMainWindowKeysKeepTheCurrentTexts)
{
    write(ini(), "[Bilgiler]\r\nKurum Ad\xFD=Valilik\r\n");
    const MainSettings current{QStringLiteral("7"), QStringLiteral("x"), QStringLiteral("Adres"), QStringLiteral("SSK")};
    const MainSettings loaded = MainSettingsStore(ini()).load(current);
    EXPECT_EQ(loaded, (MainSettings{QStringLiteral("7"), QStringLiteral("Valilik"), QStringLiteral("Adres"),
                                    QStringLiteral("SSK")}));
}

TEST_F(SettingsFiles, ProtectionKeysLiveInTheLoderaSectionOfWinIni)
{
    write(winIni(), "[windows]\r\ndevice=PDF,cups\r\n");
    ProtectionStore store(winIni());
    EXPECT_FALSE(store.readActive());
    EXPECT_EQ(store.readPassword(), QString());

    store.writePassword(QStringLiteral(" Gizli Şifre1 "));
    store.writeActive(true);
    EXPECT_EQ(bytes(winIni()), QByteArray("[windows]\r\ndevice=PDF,cups\r\n"
                                          "\r\n"
                                          "[Lodera]\r\n"
                                          "SSifre=\" Gizli \xDE" "ifre1 \"\r\n"
                                          "Active=1\r\n"));
    EXPECT_TRUE(store.readActive());
    EXPECT_EQ(store.readPassword(), QStringLiteral(" Gizli Şifre1 "));  // as typed
    store.writeActive(false);
    EXPECT_FALSE(ProtectionStore(winIni()).readActive());
}

TEST_F(SettingsFiles, WriteFailuresAreReported)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("blocked.ini")));
    const QString blocked = dir.filePath(QStringLiteral("blocked.ini"));
    const auto messageOf = [](const auto &write) {
        try {
            write();
        } catch (const LoderaError &e) {
            return e.message();
        }
        return QStringLiteral("<no error>");
    };
    EXPECT_TRUE(messageOf([&] { OptionsStore(blocked).save(SettingsOptions{}); }).contains(blocked));
    EXPECT_TRUE(messageOf([&] { MainSettingsStore(blocked).save(MainSettings{}); }).contains(blocked));
    EXPECT_TRUE(messageOf([&] { ProtectionStore(blocked).writeActive(true); }).contains(blocked));
    EXPECT_EQ(messageOf([&] { ProtectionStore(blocked).writePassword(QStringLiteral("abc")); }),
              QStringLiteral("Şifre yazılamadı"));

    // A password the file cannot hold is not stored with a '?' in its place.
    ProtectionStore store(winIni());
    store.writePassword(QStringLiteral("eski"));
    EXPECT_EQ(messageOf([&] { store.writePassword(QStringLiteral("yeniā")); }), QStringLiteral("Şifre yazılamadı"));
    EXPECT_EQ(store.readPassword(), QStringLiteral("eski"));
}

} // namespace
