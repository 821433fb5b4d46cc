// `lodera-tool init-db DIR` and `demo-db DIR [--staff N] [--stats M]
// [--today YYYY-MM-DD]`: a new encrypted Data.ssd in DIR, empty or with a demo
// register. Neither ever overwrites an existing file. The demo register is the
// same for the same options; its statistics rows fall in the two years before
// --today, or before the current date when it is not given, so only a register
// made with --today comes out the same on another day.
#include "toolcommand.h"

#include "records/db/connection.h"
#include "records/db/demoregister.h"
#include "records/db/schema.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>

namespace {

// The options of demo-db, as the usage shows them.
const char *const kDemoArgs =
    "DIR [--staff N] [--stats M] [--today YYYY-MM-DD]\n"
    "      İstatistik satırları --today ile verilen günden önceki iki yıla, bu seçenek\n"
    "      verilmezse bugünden önceki iki yıla düşer; --today ile örnek kayıt her gün aynı olur.";

// DIR/Data.ssd, creating DIR when needed; empty when the arguments are wrong.
QString targetFile(const QStringList &args, const char *usage)
{
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        tool::err(QStringLiteral("kullanım: lodera-tool %1").arg(QString::fromUtf8(usage)));
        return QString();
    }
    const QString dir = args.first();
    if (!QDir().mkpath(dir)) {
        tool::err(QStringLiteral("Klasör oluşturulamadı: %1").arg(dir));
        return QString();
    }
    return QDir(dir).filePath(db::Connection::defaultFileName());
}

int initDb(const QStringList &args)
{
    if (args.size() != 1) {
        tool::err(QStringLiteral("kullanım: lodera-tool init-db DIR"));
        return 2;
    }
    const QString path = targetFile(args, "init-db DIR");
    if (path.isEmpty())
        return 2;
    db::Connection connection;
    connection.open(path, db::Connection::defaultPassword(), db::OpenMode::CreateNew);
    db::Schema::create(connection);
    tool::out(QStringLiteral("Boş veritabanı oluşturuldu: %1").arg(QDir::toNativeSeparators(path)));
    return 0;
}

int demoDb(const QStringList &args)
{
    const QByteArray usageText = QByteArray("demo-db ") + kDemoArgs;
    const char *usage = usageText.constData();
    db::DemoOptions options;
    for (int i = 1; i < args.size(); i += 2) {
        bool ok = i + 1 < args.size();
        const QString option = args[i];
        if (ok && option == QLatin1String("--today")) {
            const QDate day = QDate::fromString(args[i + 1], Qt::ISODate);
            if (day.isValid() && args[i + 1].size() == 10) {
                options.today = day;
                continue;
            }
            ok = false;
        }
        const int value = ok ? args[i + 1].toInt(&ok) : 0;
        if (ok && value >= 0 && option == QLatin1String("--staff"))
            options.staff = value;
        else if (ok && value >= 0 && option == QLatin1String("--stats"))
            options.statsPerStaff = value;
        else {
            tool::err(QStringLiteral("kullanım: lodera-tool %1").arg(QString::fromUtf8(usage)));
            return 2;
        }
    }
    const QString path = targetFile(args, usage);
    if (path.isEmpty())
        return 2;
    QElapsedTimer timer;
    timer.start();
    db::DemoRegister::create(path, options);
    tool::out(QStringLiteral("Örnek veritabanı oluşturuldu: %1 (%2 personel, %3 ms)")
                  .arg(QDir::toNativeSeparators(path))
                  .arg(options.staff)
                  .arg(timer.elapsed()));
    return 0;
}

} // namespace

LODERA_TOOL_COMMAND("init-db", "DIR", initDb);
LODERA_TOOL_COMMAND("demo-db", kDemoArgs, demoDb);
