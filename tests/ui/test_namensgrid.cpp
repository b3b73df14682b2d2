#include "ansicht/namensgrid.h"
#include "core/twips.h"
#include "hilfen/fenster.h"
#include "ui/zvk.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NamensgridTest : public FensterTest
{
protected:
    Namensgrid* grid() const { return fenster.namensgrid(); }
    QString t(int zeile, int spalte) const { return fenster.namensliste().modell().text(zeile, spalte); }
    void listeÖffnen() { QTest::mouseClick(fenster.bediensteter(), Qt::LeftButton); }
    void klicken(int zeile, int spalte)
    {
        const QRect zelle = grid()->visualRect(grid()->model()->index(zeile, spalte));
        ASSERT_TRUE(grid()->viewport()->rect().contains(zelle)) << zeile << "," << spalte;
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, zelle.center());
    }
    // Replaces a cell's text the way a user does: click, Delete, type.
    void eintragen(int zeile, int spalte, const QString& text)
    {
        klicken(zeile, spalte);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QTest::keyClicks(grid(), text);
    }
};

TEST_F(NamensgridTest, StartUndÖffnen)
{
    EXPECT_TRUE(fenster.tabelleSichtbar());
    EXPECT_FALSE(fenster.listeSichtbar());
    EXPECT_EQ(fenster.grid()->geometry(),
              QRect(0, Twips::zuPixel(1005), Twips::zuPixel(14130), Twips::zuPixel(7380)));
    EXPECT_EQ(fenster.erläuterungen()->y(), Twips::zuPixel(8385));
    EXPECT_EQ(fenster.bediensteter()->text(), QStringLiteral("  Hedwig Wendler"));

    listeÖffnen();
    ASSERT_TRUE(fenster.listeSichtbar());
    EXPECT_FALSE(fenster.tabelleSichtbar());
    EXPECT_EQ(grid()->y(), fenster.grid()->y());
    EXPECT_EQ(grid()->height(), Twips::zuPixel(3380));
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname)), "Wendler");
    // Every row fits the short layout.
    EXPECT_LE(grid()->rowViewportPosition(Namensliste::Zählerzeile) +
                  grid()->rowHeight(Namensliste::Zählerzeile),
              grid()->viewport()->height());
    EXPECT_EQ(grid()->rowHeight(2), Twips::zuPixel(180));

    // Opening again from the list keeps the size and discards what was typed.
    fenster.layoutSetzen(9100, 7380);
    eintragen(Namensliste::fallzeile(1), nr(Listenspalte::Nachname), QStringLiteral("Meier"));
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname)), "Meier");
    listeÖffnen();
    EXPECT_EQ(grid()->height(), Twips::zuPixel(7380));
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Nachname)), "Wendler");
}

TEST_F(NamensgridTest, TastaturUndKlicks)
{
    listeÖffnen();
    klicken(Namensliste::fallzeile(2), nr(Listenspalte::Nachname));
    // A German keyboard's ü key: its key code lies in the letter range, its text does not.
    for (QChar z : QStringLiteral("Müller")) {
        const int taste = z == u'ü' ? int(Qt::Key_Udiaeresis) : int(z.toUpper().unicode());
        QKeyEvent drücken(QEvent::KeyPress, taste, Qt::NoModifier, QString(z));
        QApplication::sendEvent(grid(), &drücken);
    }
    EXPECT_EQ(t(Namensliste::fallzeile(2), nr(Listenspalte::Nachname)), "Müller");
    EXPECT_EQ(t(Namensliste::Zählerzeile, nr(Listenspalte::Nachname)), "14");
    QTest::keyClick(grid(), Qt::Key_Backspace);
    EXPECT_EQ(t(Namensliste::fallzeile(2), nr(Listenspalte::Nachname)), "Mülle");
    QTest::keyClick(grid(), Qt::Key_Left);
    QTest::keyClick(grid(), Qt::Key_Up);
    EXPECT_EQ(fenster.namensliste().aktuelleZeile(), Namensliste::fallzeile(1));
    EXPECT_EQ(fenster.namensliste().aktuelleSpalte(), 2);
    EXPECT_EQ(grid()->currentIndex(),
              grid()->model()->index(Namensliste::fallzeile(1), nr(Listenspalte::Vorname)));
    // A click in columns 1 to 9 selects without choosing, a header click does nothing.
    klicken(Namensliste::fallzeile(4), nr(Listenspalte::Versicherungsnummer));
    klicken(0, nr(Listenspalte::Fall));
    EXPECT_TRUE(fenster.listeSichtbar());
    EXPECT_EQ(fenster.namensliste().aktuelleZeile(), Namensliste::fallzeile(4));
}

TEST_F(NamensgridTest, NeuePersonWählenUndNeustart)
{
    listeÖffnen();
    klicken(Namensliste::fallzeile(2), nr(Listenspalte::Anrede));
    for (const char* feld : {"Herr", "Max", "Beispiel", "12", "3", "1970"}) {
        QTest::keyClicks(grid(), QString::fromUtf8(feld));
        QTest::keyClick(grid(), Qt::Key_Return);
    }
    klicken(Namensliste::fallzeile(2), nr(Listenspalte::Fall));
    EXPECT_TRUE(fenster.tabelleSichtbar());
    EXPECT_FALSE(fenster.listeSichtbar());
    EXPECT_EQ(fenster.bediensteter()->text(), QStringLiteral("  Max Beispiel"));
    EXPECT_EQ(fenster.rechentabelle().modell().rowCount(), 39);
    EXPECT_EQ(fenster.stand().datensatznummer, 2);

    neuStarten();
    EXPECT_EQ(fenster.bediensteter()->text(), QStringLiteral("  Hedwig Wendler"));
    listeÖffnen();
    EXPECT_EQ(t(Namensliste::fallzeile(2), nr(Listenspalte::Nachname)), "Beispiel");
    EXPECT_EQ(t(Namensliste::fallzeile(2), nr(Listenspalte::Jahr)), "1970");
    EXPECT_TRUE(Nachrichten::gezeigte().isEmpty());
}

// The list takes birth years the table cannot show; the user is told and can correct it.
TEST_F(NamensgridTest, GeburtsjahrAußerhalbDerTabelleKorrigieren)
{
    listeÖffnen();
    // 1935 is the one year the list takes that no table covers: its 2001 row is age 66.
    eintragen(Namensliste::fallzeile(1), nr(Listenspalte::Jahr), QStringLiteral("1935"));
    Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
    klicken(Namensliste::fallzeile(1), nr(Listenspalte::Fall));
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_TRUE(Nachrichten::gezeigte()[0].text.contains(QStringLiteral("1935")));
    EXPECT_TRUE(Nachrichten::gezeigte()[0].text.contains(QStringLiteral("1936 bis ")));
    EXPECT_TRUE(fenster.tabelleSichtbar());
    EXPECT_EQ(fenster.rechentabelle().modell().rowCount(), 5);

    listeÖffnen();
    EXPECT_EQ(t(Namensliste::fallzeile(1), nr(Listenspalte::Jahr)), "1935");
    eintragen(Namensliste::fallzeile(1), nr(Listenspalte::Jahr), QStringLiteral("1970"));
    klicken(Namensliste::fallzeile(1), nr(Listenspalte::Fall));
    EXPECT_EQ(fenster.rechentabelle().modell().rowCount(), 39);
    EXPECT_EQ(Nachrichten::gezeigte().size(), 1);
}

TEST_F(NamensgridTest, ZurückOhneWählenSpeichertNichts)
{
    const QByteArray vorher = fenster.falldatei().abbild();
    listeÖffnen();
    eintragen(Namensliste::fallzeile(1), nr(Listenspalte::Vorname), QStringLiteral("Anna"));
    fenster.tabelleZeigen();
    EXPECT_TRUE(fenster.tabelleSichtbar());
    EXPECT_FALSE(fenster.listeSichtbar());
    EXPECT_EQ(fenster.falldatei().abbild(), vorher);
    EXPECT_EQ(fenster.stand().datensatz.vorname.trimmed(), "Hedwig");
}

// What was typed into the list is never lost: Esc closes the window as always, but stores the
// list first, as choosing a case would. Strg+C copies the list for a spreadsheet.
TEST_F(NamensgridTest, EscSpeichertDieListeUndStrgCKopiertSie)
{
    listeÖffnen();
    eintragen(Namensliste::fallzeile(1), nr(Listenspalte::Vorname), QStringLiteral("Anna"));
    QTest::keyClick(grid(), Qt::Key_C, Qt::ControlModifier);
    const QStringList zeilen = QApplication::clipboard()->text().split(u'\n');
    ASSERT_GE(zeilen.size(), 8);
    EXPECT_TRUE(zeilen[1].startsWith(u"1\tFrau\tAnna\tWendler\t"_qs)) << zeilen[1].toStdString();
    QTest::keyClick(grid(), Qt::Key_Escape);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_EQ(gespeichert().vorname.trimmed(), "Anna");
}

} // namespace
