// What the application object does with an error raised while an event is
// handled, and the about window.
#include "app/loderaapplication.h"
#include "app/tform2.h"
#include "boxanswer.h"
#include "mainwindowfixture.h"
#include "platform/loderaerror.h"

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QToolButton>
#include <stdexcept>

namespace {

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

TEST(GuardedDeliveryTest, ErrorsAreShownAndCountAsHandled)
{
    const struct {
        const char *name;
        std::function<bool()> deliver;
        bool result;
        const char *shown;
    } rows[] = {
        {"own error", [] () -> bool { throw LoderaError(s("Kayıt yazılamadı: 'Data.ssd'")); }, true,
         "Kayıt yazılamadı: 'Data.ssd'"},
        {"library error", [] () -> bool { throw std::runtime_error("disk full"); }, true, "disk full"},
        {"no error", [] { return false; }, false, nullptr},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        BoxAnswer answer;
        EXPECT_EQ(LoderaApplication::guarded(r.deliver), r.result);
        if (r.shown) {
            ASSERT_EQ(answer.seen().size(), 1u);
            EXPECT_EQ(answer.seen()[0].icon, QMessageBox::Critical);
            EXPECT_EQ(answer.seen()[0].text, s(r.shown));
            EXPECT_EQ(answer.seen()[0].title, s("Lodera"));
        } else {
            EXPECT_TRUE(answer.seen().empty());
        }
    }
}

using AboutTest = MainWindowTest;

TEST_F(AboutTest, OpensModallyAndIsFreedWhenClosed)
{
    QPointer<TForm2> seen;
    bool found = false;
    QTimer::singleShot(50, [&] {
        seen = form->findChild<TForm2 *>();
        if (seen) {
            found = true;
            EXPECT_EQ(seen->windowTitle(), s(" Hakkında"));
            EXPECT_EQ(seen->size(), QSize(329, 202));
            EXPECT_EQ(seen->findChild<QLabel *>(QStringLiteral("Label1"))->text(), s("Lodera Programı 2.3"));
            EXPECT_EQ(seen->findChild<QLabel *>(QStringLiteral("Label1"))->pos(), QPoint(119, 26));
            EXPECT_EQ(seen->findChild<QLabel *>(QStringLiteral("Label2"))->pos(), QPoint(120, 27));
            seen->close();
        }
    });
    find<QToolButton>("ToolBtn5")->click();
    EXPECT_TRUE(found);
    EXPECT_TRUE(seen.isNull());
    EXPECT_EQ(form->findChild<TForm2 *>(), nullptr);
}

} // namespace
