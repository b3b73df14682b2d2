// One main for every test program; ZUVORA_TEST_APP names the application class it needs.
#if ZUVORA_TEST_NACHRICHTEN
#include "ui/nachrichten.h"
#endif
#if ZUVORA_TEST_APP == 2
#include <QApplication>
using Testanwendung = QApplication;
#elif ZUVORA_TEST_APP == 1
#include <QGuiApplication>
using Testanwendung = QGuiApplication;
#else
#include <QCoreApplication>
using Testanwendung = QCoreApplication;
#endif
#include <ctime>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Every test runs in a fixed locale and time zone, whatever the machine says; the
    // printouts are tried once more under the locale that ZUVORA_TESTSPRACHE names.
    const QByteArray sprache =
        qEnvironmentVariable("ZUVORA_TESTSPRACHE", QStringLiteral("C.UTF-8")).toLatin1();
    qputenv("LANG", sprache);
    qputenv("LC_ALL", sprache);
    qputenv("TZ", "Europe/Berlin");
    tzset();
#if ZUVORA_TEST_APP >= 1
    // Tests never need a window system.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    Testanwendung app(argc, argv);
#if ZUVORA_TEST_NACHRICHTEN
    // A message box nobody prepared an answer for fails the test instead of waiting for a click.
    Nachrichten::nurVorbereiteteAntworten(true);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
