#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <gtest/gtest.h>
#include <unistd.h>

// Permission tests need an ordinary user: root reads and writes a file whatever its mode.
// As root, the current test runs again in a child process as "nobody" (setpriv), on the
// folder the parent prepared; the child finds it in the environment and runs the check.
namespace Nutzerwechsel
{

inline const char* Variable = "ZUVORA_TESTORDNER_OHNE_ROOT";

// In the child: the folder to check. Empty in the parent.
inline QString kindordner()
{
    return qEnvironmentVariable(Variable);
}

enum class Ausgang {
    Hier,     // not root: the check can run in this process
    ImKind,   // the child ran the check; its result is in the test already
    Unmöglich // root without setpriv: the test cannot show anything
};

inline Ausgang ausführen(const QString& ordner)
{
    if (::geteuid() != 0)
        return Ausgang::Hier;
    const QString setpriv = QStandardPaths::findExecutable(QStringLiteral("setpriv"));
    if (setpriv.isEmpty())
        return Ausgang::Unmöglich;
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcess kind;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QString::fromLatin1(Variable), ordner);
    kind.setProcessEnvironment(umgebung);
    kind.setProcessChannelMode(QProcess::MergedChannels);
    kind.start(setpriv,
               {QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                QStringLiteral("--gtest_filter=%1.%2")
                    .arg(QString::fromUtf8(info->test_suite_name()), QString::fromUtf8(info->name()))});
    if (!kind.waitForFinished(60000)) {
        kind.kill();
        kind.waitForFinished();
    }
    const QString ausgabe = QString::fromLocal8Bit(kind.readAll());
    // setpriv itself failing (no right to change users) means the check could not run.
    if (kind.exitCode() != 0 && !ausgabe.contains(QStringLiteral("[ RUN")))
        return Ausgang::Unmöglich;
    EXPECT_EQ(kind.exitStatus(), QProcess::NormalExit) << ausgabe.toStdString();
    EXPECT_EQ(kind.exitCode(), 0) << ausgabe.toStdString();
    EXPECT_TRUE(ausgabe.contains(QStringLiteral("[  PASSED  ] 1 test"))) << ausgabe.toStdString();
    return Ausgang::ImKind;
}

} // namespace Nutzerwechsel
