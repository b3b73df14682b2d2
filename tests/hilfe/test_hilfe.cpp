// The help shipped with the program, the program info and the command line's answers.
#include "core/version.h"
#include "hilfe/hilfe.h"
#include "hilfe/hilfefenster.h"
#include "hilfe/programminfo.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

struct Seite {
    QSet<QString> anker;
    QStringList verweise;
};

Seite lesen(QTextBrowser& browser, const QString& datei)
{
    browser.setSource(Hilfe::adresse(datei));
    Seite seite;
    for (QTextBlock b = browser.document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            for (const QString& name : f.anchorNames())
                seite.anker.insert(name);
            if (f.isAnchor() && !f.anchorHref().isEmpty())
                seite.verweise.append(f.anchorHref());
        }
    return seite;
}

TEST(HilfeTest, JederVerweisTrifftEineSeiteUndEinenAbschnittUndJedeSeiteIstErreichbar)
{
    QTextBrowser browser;
    QHash<QString, Seite> seiten;
    for (const QString& datei : Hilfe::seiten())
        seiten.insert(datei, lesen(browser, datei));
    ASSERT_TRUE(seiten.contains(Hilfe::Start));
    ASSERT_GE(seiten.size(), 12);

    QSet<QString> erreicht{Hilfe::Start};
    QStringList offen{Hilfe::Start};
    QStringList ziele;
    while (!offen.isEmpty()) {
        const QString datei = offen.takeFirst();
        for (const QString& verweis : seiten[datei].verweise) {
            const QUrl url(verweis);
            if (url.scheme() == QLatin1String("https")) {
                // Outside the help only the publishers of the agreements.
                EXPECT_TRUE(
                    QRegularExpression(QStringLiteral("^https://www\\.(vka|tdl-online|bmi\\.bund)\\.de$"))
                        .match(verweis)
                        .hasMatch())
                    << datei.toStdString() << ": " << verweis.toStdString();
                continue;
            }
            const QString ziel = url.path().isEmpty() ? datei : url.path();
            ziele.append(ziel + (url.hasFragment() ? u'#' + url.fragment() : QString()));
            if (!erreicht.contains(ziel) && seiten.contains(ziel)) {
                erreicht.insert(ziel);
                offen.append(ziel);
            }
        }
    }
    // The sections the program opens with F1 and its buttons, and the column sections.
    for (int spalte = 0; spalte < 24; ++spalte)
        ziele.append(Hilfe::spalte(spalte));
    ziele << QStringLiteral("atv.html#wortlaut") << QStringLiteral("tasten.html#fenster");
    for (const QString& ziel : ziele) {
        const QString datei = ziel.section(u'#', 0, 0);
        const QString anker = ziel.section(u'#', 1);
        ASSERT_TRUE(seiten.contains(datei)) << ziel.toStdString();
        if (!anker.isEmpty()) {
            EXPECT_TRUE(seiten[datei].anker.contains(anker)) << ziel.toStdString();
        }
    }
    for (auto it = seiten.cbegin(); it != seiten.cend(); ++it) {
        EXPECT_TRUE(erreicht.contains(it.key()))
            << it.key().toStdString() << " ist vom Inhalt aus nicht erreichbar";
        // Every chapter names its first heading as an anchor, so that F1 can open it.
        EXPECT_FALSE(it.value().anker.isEmpty()) << it.key().toStdString();
    }
}

TEST(HilfeTest, DasFensterSpringtZumAbschnittUndKommtZurueck)
{
    Hilfefenster fenster;
    fenster.zeigen(Hilfe::spalte(19));
    EXPECT_EQ(fenster.browser()->source(), QUrl(QStringLiteral("qrc:/hilfe/spalten.html#spalte-20")));
    EXPECT_TRUE(fenster.browser()->toPlainText().contains(QStringLiteral("Startgutschrift")));
    fenster.zeigen(QStringLiteral("atv.html#abschlag"));
    EXPECT_TRUE(fenster.windowTitle().endsWith(QStringLiteral("ATV / ATV-K")));
    fenster.browser()->backward();
    EXPECT_EQ(fenster.browser()->source().path(), QStringLiteral("/hilfe/spalten.html"));
}

TEST(HilfeTest, ProgramminfoNenntVersionLizenzQtDateienUndSperreWieDasPaket)
{
    const Programminfo box({QStringLiteral("/home/a/Zuvora"), QStringLiteral("/home/a/Zuvora/atv.txt"),
                            QStringLiteral("/home/a/Zuvora/atvi.txt"),
                            QStringLiteral("/home/a/Zuvora/atv.txt.lock"),
                            QStringLiteral("diesem Programm (Prozess 42 auf rechner)")});
    const QString text = box.text();
    for (const QString& teil : {QStringLiteral("Zuvora ") + QLatin1String(Version::text),
                                QStringLiteral("GNU General Public License"),
                                QStringLiteral("Version 3 oder nach Ihrer Wahl jeder späteren Version"),
                                QString::fromLatin1(qVersion()), QStringLiteral("/home/a/Zuvora/atvi.txt"),
                                QStringLiteral("atv.txt.lock"), QStringLiteral("Prozess 42")})
        EXPECT_TRUE(text.contains(teil)) << teil.toStdString() << "\n" << text.toStdString();

    QFile copyright(QStringLiteral(ZUVORA_QUELLE "/paket/copyright"));
    ASSERT_TRUE(copyright.open(QIODevice::ReadOnly));
    const QString paket = QString::fromUtf8(copyright.readAll());
    EXPECT_TRUE(paket.contains(QStringLiteral("Copyright: ") + QLatin1String(Programminfo::Urheber)));
    EXPECT_TRUE(paket.contains(QStringLiteral("License: ") + QLatin1String(Programminfo::Lizenzkurz)));
    EXPECT_TRUE(text.contains(QStringLiteral("Copyright ") + QLatin1String(Programminfo::Urheber)));
    EXPECT_TRUE(Hilfe::lizenztext().contains(QStringLiteral("GNU GENERAL PUBLIC LICENSE")));
    EXPECT_TRUE(Hilfe::lizenztext().contains(QStringLiteral("Version 3, 29 June 2007")));
}

TEST(HilfeTest, HilfeUndVersionAntwortenOhneBildschirmUndLegenKeineDateiAn)
{
    QTemporaryDir ordner;
    for (const auto& [schalter, erwartet] :
         {std::pair{"--help", "Aufruf: zuvora [Optionen]"}, std::pair{"--version", "zuvora "}}) {
        QProcess zuvora;
        zuvora.setWorkingDirectory(ordner.path());
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.remove(QStringLiteral("DISPLAY"));
        umgebung.remove(QStringLiteral("WAYLAND_DISPLAY"));
        umgebung.remove(QStringLiteral("QT_QPA_PLATFORM"));
        zuvora.setProcessEnvironment(umgebung);
        zuvora.start(QStringLiteral(ZUVORA_PROGRAMM), {QString::fromLatin1(schalter)});
        ASSERT_TRUE(zuvora.waitForFinished(20000)) << schalter;
        EXPECT_EQ(zuvora.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(zuvora.exitCode(), 0) << schalter;
        EXPECT_TRUE(QString::fromUtf8(zuvora.readAllStandardOutput()).contains(QString::fromUtf8(erwartet)))
            << schalter;
    }
    EXPECT_TRUE(QDir(ordner.path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

} // namespace
