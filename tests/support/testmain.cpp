// Test main shared by every test executable: a QApplication on the offscreen
// platform (set before the application exists, so widget tests never need a
// display) and the Turkish locale the office uses, unless a test pins another.
// Reports run with the program's windows, as in the program.
#include "report/ui/tfrxreportuirun.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lodera"));
    frxInstallReportUi();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
