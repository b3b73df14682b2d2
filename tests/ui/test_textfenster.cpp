#include "hilfen/dateihilfen.h"
#include "hilfen/fall.h"
#include "print/brieftext.h"
#include "print/drucksachen.h"
#include "ui/nachrichten.h"
#include "ui/textfenster.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
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

// The editor as the main window opens it, in a folder of its own.
class TextfensterTest : public ::testing::Test
{
protected:
    QTemporaryDir ordner;
    QString vorher = QDir::currentPath();
    Rechenfall fall;
    QWidget haupt;
    Nachrichten nachrichten{&haupt};
    std::unique_ptr<Drucksachen> drucksachen;
    std::unique_ptr<Textbearbeitung> bearbeitung;

    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(ordner.path()));
        drucksachen =
            std::make_unique<Drucksachen>(fall.tabelle.modell(), fall.stand, fall.ablage, nachrichten);
        bearbeitung = std::make_unique<Textbearbeitung>(drucksachen->brieftext(), nachrichten, &haupt);
        haupt.setGeometry(40, 120, 600, 400);
        haupt.show();
    }
    void TearDown() override
    {
        bearbeitung.reset();
        drucksachen.reset();
        QDir::setCurrent(vorher);
        Nachrichten::gezeigte().clear();
    }
    Textfenster* öffnen()
    {
        bearbeitung->infoladen();
        return bearbeitung->textfenster();
    }
    bool offen()
    {
        QApplication::processEvents();
        return bearbeitung->textfenster() != nullptr;
    }
};

TEST_F(TextfensterTest, KurzeDateiZeigtLeereZeilenUndWirdVorDemSpeichernGesichert)
{
    const QByteArray kurz = QByteArray("Eigene Zeile").leftJustified(95, ' ') + "angebrochen";
    lege("atvi.txt", kurz);
    Textfenster* t = öffnen();
    EXPECT_EQ(inhalt("atvi.txt"), kurz);
    EXPECT_EQ(t->bescheid(1)->text(), QString("Eigene Zeile").leftJustified(95, u' '));
    EXPECT_EQ(t->bescheid(2)->text(), QString("angebrochen").leftJustified(95, u' '));
    EXPECT_EQ(t->bescheid(33)->text(), QString(95, u' '));

    // A line of 96 characters is stored as its first 95, a short one is filled up.
    t->bescheid(1)->setText(QString(94, u'a') + "bc");
    t->bescheid(2)->setText("März");
    QTest::mouseClick(t->speichernKnopf(), Qt::LeftButton);
    EXPECT_FALSE(offen());
    const QByteArray b = inhalt("atvi.txt");
    ASSERT_EQ(b.size(), 3135);
    EXPECT_EQ(b.first(95), QByteArray(94, 'a') + "b");
    EXPECT_EQ(b.mid(95, 95), QByteArray("M\xE4rz").leftJustified(95, ' '));
    EXPECT_EQ(inhalt("atvi.txt.bak"), kurz);
}

TEST_F(TextfensterTest, FensterMitZeilenFarbenUndTabfolge)
{
    Textfenster* t = öffnen();
    ASSERT_NE(t, nullptr);
    EXPECT_TRUE(t->isVisible());
    EXPECT_FALSE(t->isModal());
    EXPECT_EQ(t->windowTitle(),
              "Der Textbaustein für die Versendung der Zuvoranberechnung hat folgenden Inhalt:");
    EXPECT_EQ(t->frameGeometry().top(), haupt.frameGeometry().top());
    for (int n = 1; n <= 33; ++n) {
        EXPECT_EQ(t->bescheid(n)->text().size(), 95) << n;
        EXPECT_EQ(t->bescheid(n)->font().bold(), n <= 2) << n;
        const bool gelb = t->bescheid(n)->palette().color(QPalette::Base) == QColor(255, 255, 192);
        EXPECT_EQ(gelb, n == 3 || n == 4 || n == 5 || n == 6 || n == 10) << n;
        EXPECT_TRUE(t->bescheid(n)->accessibleName().startsWith(
            QStringLiteral("Zeile %1 des Anschreibens, ").arg(n)));
    }
    EXPECT_EQ(t->bescheid(1)->accessibleName(), "Zeile 1 des Anschreibens, fett gedruckte Überschrift");
    EXPECT_EQ(t->bescheid(8)->accessibleName(), "Zeile 8 des Anschreibens, Text vor dem Betrag");
    EXPECT_EQ(t->bescheid(10)->accessibleName(),
              "Zeile 10 des Anschreibens, nicht gedruckt, an ihrer Stelle steht der Betrag");
    QList<QWidget*> erwartet;
    for (int n : {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17,
                  18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 33, 32, 31, 30, 29, 28})
        erwartet << t->bescheid(n);
    erwartet << t->speichernKnopf() << t->ohneSpeichernKnopf() << t->standardKnopf();
    QList<QWidget*> kette{t->bescheid(1)};
    while (kette.size() < erwartet.size())
        kette << kette.last()->nextInFocusChain();
    EXPECT_EQ(kette, erwartet);
}

TEST_F(TextfensterTest, OhneSpeichernEscapeUndZweitesÖffnenVerwerfenÄnderungen)
{
    Textfenster* t = öffnen();
    const QByteArray vorher = inhalt("atvi.txt");
    t->bescheid(9)->setText("ungespeichert");
    EXPECT_EQ(öffnen(), t);
    EXPECT_TRUE(t->bescheid(9)->text().startsWith("beiliegender Hochrechnung"));

    t->bescheid(8)->setText("geändert");
    QTest::mouseClick(t->ohneSpeichernKnopf(), Qt::LeftButton);
    EXPECT_FALSE(offen());
    t = öffnen();
    t->bescheid(8)->setText("wieder geändert");
    QTest::keyClick(t->bescheid(8), Qt::Key_Escape);
    EXPECT_FALSE(offen());
    öffnen();
    bearbeitung->textSchließen();
    EXPECT_FALSE(offen());
    EXPECT_EQ(inhalt("atvi.txt"), vorher);
}

TEST_F(TextfensterTest, NichtSpeicherbareZeichenWerdenBeimTippenAbgewiesen)
{
    Textfenster* t = öffnen();
    t->bescheid(1)->clear();
    for (QChar z : QStringLiteral("Grüße → €")) {
        QKeyEvent druck(QEvent::KeyPress, 0, Qt::NoModifier, QString(z));
        QApplication::sendEvent(t->bescheid(1), &druck);
    }
    EXPECT_EQ(t->bescheid(1)->text(), "Grüße  €");

    // A line as long as the file keeps it: typing takes a trailing blank, and a full line
    // refuses the key rather than lose its last character.
    const QString voll = QString(94, u'a') + u'Z';
    for (const QString& zeile : {QString(95, u' '), voll}) {
        t->bescheid(2)->setText(zeile);
        t->bescheid(2)->setCursorPosition(0);
        QTest::keyClick(t->bescheid(2), Qt::Key_X, Qt::NoModifier);
        EXPECT_EQ(t->bescheid(2)->text(), zeile == voll ? voll : u'x' + QString(94, u' '));
    }
}

TEST_F(TextfensterTest, FehlgeschlagenesSpeichernBehältDateiFensterUndText)
{
    ASSERT_TRUE(drucksachen->brieftext().checken().ok);
    const QByteArray vorher = inhalt("atvi.txt");
    VolleAblage voll;
    Brieftext kaputt(voll, "atvi.txt");
    Textfenster fenster(kaputt, nachrichten, nullptr);
    fenster.zeilenZeigen(QStringList(33, "x"));
    fenster.show();
    fenster.bescheid(2)->setText("y");
    Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
    fenster.Speichern_Click();
    EXPECT_TRUE(fenster.isVisible());
    EXPECT_EQ(fenster.bescheid(1)->text(), "x");
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_TRUE(Nachrichten::gezeigte()[0].text.contains("nicht gespeichert"));
    EXPECT_EQ(inhalt("atvi.txt"), vorher);
}

// A file of this program's own making but not of its length stays as it is until the user
// changes a line; the default wording comes back only after a question, and only into the
// boxes until it is saved.
TEST_F(TextfensterTest, DateiBleibtBisZurÄnderungUndStandardtextKommtNachRückfrage)
{
    const QByteArray eigen = Brieftext::abbild({QStringLiteral("Ab dem 65. Lebenajahr")}) + "\r\n";
    lege("atvi.txt", eigen);
    Textfenster* t = öffnen();
    t->Speichern_Click();
    EXPECT_FALSE(offen());
    EXPECT_EQ(inhalt("atvi.txt"), eigen);
    EXPECT_FALSE(QFile::exists("atvi.txt.bak"));

    t = öffnen();
    Nachrichten::setzeNächsteAntwort(QMessageBox::No);
    QTest::mouseClick(t->standardKnopf(), Qt::LeftButton);
    EXPECT_EQ(t->bescheid(1)->text().trimmed(), "Ab dem 65. Lebenajahr");
    Nachrichten::setzeNächsteAntwort(QMessageBox::Yes);
    // The keys are the window's: underlined letters answer in the active window.
    t->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t));
    QTest::keyClick(t, Qt::Key_W, Qt::AltModifier);
    // An underlined letter presses its button as a click looks: a moment later.
    ASSERT_TRUE(QTest::qWaitFor([] { return Nachrichten::gezeigte().size() == 2; }));
    EXPECT_TRUE(
        Nachrichten::gezeigte()[1].text.startsWith("Alle 33 Zeilen durch den mitgelieferten Wortlaut"));
    EXPECT_EQ(t->zeilen(), [] {
        QStringList z;
        for (const QString& zeile : Brieftext::standardtext())
            z << zeile.leftJustified(95, u' ');
        return z;
    }());
    EXPECT_EQ(inhalt("atvi.txt"), eigen);
    QTest::keyClick(t, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !offen(); }));
    EXPECT_EQ(inhalt("atvi.txt"), Brieftext::abbild(Brieftext::standardtext()));
}

} // namespace
