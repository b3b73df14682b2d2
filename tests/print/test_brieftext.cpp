#include "brieftext.h"
#include "dateiablage.h"
#include "drucksachen.h"
#include "fall.h"
#include "nachrichten.h"
#include "textfenster.h"
#include "webadresse.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QByteArray inhalt(const QString& pfad)
{
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreibeDatei(const QString& pfad, const QByteArray& bytes)
{
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// Types character by character as a keyboard would, whatever the character.
void tippen(QWidget* ziel, const QString& text)
{
    for (QChar z : text) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
        QApplication::sendEvent(ziel, &druck);
    }
}

class VolleAblage : public Dateiablage
{
protected:
    qint64 schreiben(QFileDevice&, const char*, qint64) override { return -1; }
};

class BrieftextTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    Dateiablage ablage;
    QString pfad() const { return ordner.filePath(QStringLiteral("atvi.txt")); }
};

TEST_F(BrieftextTest, StandardtextByteFürByte)
{
    for (bool leerVorhanden : {false, true}) {
        QFile::remove(pfad());
        if (leerVorhanden)
            schreibeDatei(pfad(), {});
        Brieftext text(ablage, pfad());
        ASSERT_TRUE(text.checken().ok);
        const QByteArray b = inhalt(pfad());
        ASSERT_EQ(b.size(), 3135);
        auto satz = [&](int n) { return b.mid((n - 1) * 95, 95); };
        EXPECT_EQ(satz(1), QByteArray("Ihre Zuvoranversicherung nach dem").leftJustified(95, ' '));
        EXPECT_EQ(satz(2), QByteArray("Tarifvertrag Altersversorgung (ATV) vom 1. M\xE4rz 2002").leftJustified(95, ' '));
        EXPECT_EQ(satz(4), QByteArray(95, ' '));
        EXPECT_EQ(satz(17), QByteArray("  - yBonuspunkten aus \xDC" "bersch\xFC" "ssen der Versicherung,").leftJustified(95, ' '));
        EXPECT_EQ(satz(26), ("Sie finden dieses Programm auf der Internetseite " + Webadresse::host().toLatin1())
                                .leftJustified(95, ' '));
        EXPECT_EQ(satz(31), QByteArray("\"Riester-Rente\" oder eine Entgeltumwandlung aufstocken. Wir beraten Sie gerne.")
                                .leftJustified(95, ' '));
        EXPECT_EQ(satz(33), QByteArray("Mit freundlichen Gr\xFC\xDF" "en").leftJustified(95, ' '));
    }
    for (const QString& zeile : Brieftext::standardtext())
        EXPECT_LE(zeile.size(), 95) << zeile.toStdString();
}

TEST_F(BrieftextTest, VorhandenerInhaltBleibtUndKurzeDateiZeigtLeereZeilen)
{
    const QByteArray kurz = QByteArray("Eigene erste Zeile").leftJustified(95, ' ') + "zweite, abgeschnitten";
    schreibeDatei(pfad(), kurz);
    Brieftext text(ablage, pfad());
    ASSERT_TRUE(text.checken().ok);
    EXPECT_EQ(inhalt(pfad()), kurz);
    QStringList zeilen;
    ASSERT_TRUE(text.lesen(zeilen).ok);
    ASSERT_EQ(zeilen.size(), 33);
    EXPECT_EQ(zeilen[0], QString("Eigene erste Zeile").leftJustified(95, u' '));
    EXPECT_EQ(zeilen[1], QString("zweite, abgeschnitten").leftJustified(95, u' '));
    for (int n = 3; n <= 33; ++n)
        EXPECT_EQ(zeilen[n - 1], QString(95, u' ')) << n;
}

TEST_F(BrieftextTest, SpeichernSchneidetAuf95UndSichertUnerwarteteDatei)
{
    schreibeDatei(pfad(), "kurz");
    Brieftext text(ablage, pfad());
    QStringList zeilen(33);
    zeilen[0] = QString(94, u'a') + "bc";
    zeilen[1] = "März";
    ASSERT_TRUE(text.speichern(zeilen).ok);
    const QByteArray b = inhalt(pfad());
    ASSERT_EQ(b.size(), 3135);
    EXPECT_EQ(b.first(95), QByteArray(94, 'a') + "b");
    EXPECT_EQ(b.mid(95, 4).toHex(' '), "4d e4 72 7a");
    EXPECT_EQ(b.mid(99, 91), QByteArray(91, ' '));
    EXPECT_EQ(inhalt(pfad() + ".bak"), "kurz");
}

TEST_F(BrieftextTest, FehlgeschlagenesSpeichernLässtDieDateiUndSagtEs)
{
    Brieftext richtig(ablage, pfad());
    ASSERT_TRUE(richtig.checken().ok);
    const QByteArray vorher = inhalt(pfad());
    VolleAblage voll;
    Brieftext text(voll, pfad());
    const auto e = text.speichern(QStringList(33, "neu"));
    EXPECT_FALSE(e.ok);
    EXPECT_TRUE(e.meldung.contains("atvi.txt")) << e.meldung.toStdString();
    EXPECT_EQ(inhalt(pfad()), vorher);
}

// The editor as the main window opens it.
class TextfensterTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    Rechenfall fall;
    QWidget haupt;
    Nachrichten nachrichten{&haupt};
    std::unique_ptr<Drucksachen> drucksachen;

    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        drucksachen = std::make_unique<Drucksachen>(fall.tabelle.modell(), fall.stand, fall.ablage, nachrichten, &haupt);
        haupt.setGeometry(40, 120, 600, 400);
        haupt.show();
    }
    void TearDown() override
    {
        drucksachen.reset();
        QDir::setCurrent(vorher);
        Nachrichten::gezeigte().clear();
    }
    Text* öffnen()
    {
        drucksachen->infoladen();
        return drucksachen->textfenster();
    }
};

TEST_F(TextfensterTest, ZeigtDieZeilenMitIhrerBreite)
{
    Text* t = öffnen();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_FALSE(t->isModal());
    EXPECT_EQ(t->windowTitle(), "Der Textbaustein für die Versendung der Zuvoranberechnung hat folgenden Inhalt:");
    EXPECT_EQ(t->frameGeometry().top(), haupt.frameGeometry().top());
    EXPECT_EQ(inhalt("atvi.txt").size(), 3135);
    for (int n = 1; n <= 33; ++n) {
        EXPECT_EQ(t->bescheid(n)->text().size(), 95) << n;
        EXPECT_EQ(t->bescheid(n)->font().bold(), n <= 2) << n;
        const bool gelb = t->bescheid(n)->palette().color(QPalette::Base) == QColor(255, 255, 192);
        EXPECT_EQ(gelb, n == 3 || n == 4 || n == 5 || n == 6 || n == 10) << n;
    }
    EXPECT_EQ(t->bescheid(2)->text().trimmed(), "Tarifvertrag Altersversorgung (ATV) vom 1. März 2002");

    // Tab order: down to 27, then the last six lines upwards, then the two buttons.
    QList<QWidget*> erwartet;
    for (int n = 1; n <= 27; ++n)
        erwartet << t->bescheid(n);
    for (int n = 33; n >= 28; --n)
        erwartet << t->bescheid(n);
    erwartet << t->speichernKnopf() << t->command1();
    QWidget* w = t->bescheid(1);
    for (int i = 1; i < erwartet.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        EXPECT_EQ(w, erwartet[i]) << i;
    }
}

TEST_F(TextfensterTest, OhneSpeichernUndEscapeSchreibenNichts)
{
    Text* t = öffnen();
    const QByteArray vorher = inhalt("atvi.txt");
    t->bescheid(8)->setText("geändert");
    QTest::mouseClick(t->command1(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(drucksachen->textfenster(), nullptr);
    EXPECT_EQ(inhalt("atvi.txt"), vorher);

    t = öffnen();
    EXPECT_TRUE(t->bescheid(8)->text().startsWith("Ihre Anwartschaft"));
    t->bescheid(8)->setText("wieder geändert");
    QTest::keyClick(t->bescheid(8), Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(drucksachen->textfenster(), nullptr);
    EXPECT_EQ(inhalt("atvi.txt"), vorher);
}

TEST_F(TextfensterTest, EinFensterDasBeimZweitenÖffnenNeuLädt)
{
    Text* t = öffnen();
    t->bescheid(9)->setText("ungespeichert");
    EXPECT_EQ(öffnen(), t);
    EXPECT_TRUE(t->bescheid(9)->text().startsWith("beiliegender Hochrechnung"));
    EXPECT_EQ(haupt.findChildren<Text*>().size(), 1);
    drucksachen->textSchließen();
    QApplication::processEvents();
    EXPECT_EQ(drucksachen->textfenster(), nullptr);
}

TEST_F(TextfensterTest, SpeichernUndNichtSpeicherbareZeichen)
{
    Text* t = öffnen();
    t->bescheid(1)->clear();
    tippen(t->bescheid(1), QStringLiteral("Grüße → €"));
    EXPECT_EQ(t->bescheid(1)->text(), "Grüße  €");
    QTest::mouseClick(t->speichernKnopf(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(drucksachen->textfenster(), nullptr);
    const QByteArray b = inhalt("atvi.txt");
    ASSERT_EQ(b.size(), 3135);
    EXPECT_EQ(b.first(95), QByteArray("Gr\xFC\xDF" "e  \x80").leftJustified(95, ' '));
}

TEST_F(TextfensterTest, FehlgeschlagenesSpeichernBehältFensterUndText)
{
    Text* t = öffnen();
    const QByteArray vorher = inhalt("atvi.txt");
    VolleAblage voll;
    Brieftext kaputt(voll, "atvi.txt");
    Text fenster(kaputt, nachrichten, nullptr);
    fenster.zeilenZeigen(QStringList(33, "x"));
    fenster.show();
    Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
    fenster.Speichern_Click();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(fenster.bescheid(1)->text(), "x");
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_TRUE(Nachrichten::gezeigte()[0].text.contains("nicht gespeichert")) << Nachrichten::gezeigte()[0].text.toStdString();
    EXPECT_EQ(inhalt("atvi.txt"), vorher);
    t->close();
}

} // namespace
