#pragma once

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

// Permission tests need an ordinary user: root reads and writes a file whatever its mode.
// As root, the current test runs again in a child process as "nobody" (setpriv), on the
// folder the parent prepared; the child finds it in the environment and runs the check.
namespace Nutzerwechsel {

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

inline void setzeRechte(const QString& pfad, int rechte)
{
    ASSERT_EQ(::chmod(QFile::encodeName(pfad).constData(), mode_t(rechte)), 0);
}

// A folder "daten" that "nobody" can reach, for the test to take rights away from. It gets
// them back at the end, or it could not be removed.
class Datenordner
{
public:
    ~Datenordner() { ::chmod(QFile::encodeName(pfad()).constData(), 0700); }
    void anlegen()
    {
        ASSERT_TRUE(QFile::setPermissions(m_platz.path(), QFileDevice::Permissions(0x7755)));
        ASSERT_TRUE(QDir().mkdir(pfad()));
    }
    QString pfad() const { return m_platz.filePath(QStringLiteral("daten")); }

private:
    QTemporaryDir m_platz;
};

// The whole round: `vorbereiten` sets up a fresh folder and takes the rights away, `prüfen`
// checks it as an ordinary user, in this process or in the child.
template <class Vorbereitung, class Prüfung> void ohneRechte(Vorbereitung vorbereiten, Prüfung prüfen)
{
    if (const QString kind = kindordner(); !kind.isEmpty())
        return prüfen(kind);
    Datenordner ordner;
    ASSERT_NO_FATAL_FAILURE(ordner.anlegen());
    ASSERT_NO_FATAL_FAILURE(vorbereiten(ordner.pfad()));
    switch (ausführen(ordner.pfad())) {
    case Ausgang::Unmöglich: GTEST_SKIP() << "Als root ohne setpriv nicht prüfbar";
    case Ausgang::ImKind: return;
    case Ausgang::Hier: return prüfen(ordner.pfad());
    }
}

// A hostile set-up of one user, or of two: a colleague prepares the shared folder and the
// user, without the colleague's rights, meets it.
template <class Vorbereitung, class Prüfung>
void einOderZweiNutzer(bool zweiNutzer, Vorbereitung vorbereiten, Prüfung prüfen)
{
    if (!zweiNutzer) {
        QTemporaryDir ordner;
        ASSERT_NO_FATAL_FAILURE(vorbereiten(ordner.path()));
        return prüfen(ordner.path());
    }
    if (kindordner().isEmpty() && ::geteuid() != 0)
        GTEST_SKIP() << "Zwei Nutzer gibt es nur, wenn die Tests als root laufen";
    ohneRechte(
        [&](const QString& ordner) {
            setzeRechte(ordner, 0777);
            vorbereiten(ordner);
        },
        prüfen);
}

} // namespace Nutzerwechsel
