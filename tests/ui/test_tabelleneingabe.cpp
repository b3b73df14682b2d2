#include "hilfen/fenster.h"
#include "hilfen/jahreszeilen.h"
#include "ui/seiten/sozialpanel.h"

#include <QLabel>

namespace {

using GridTest = FensterTest;

TEST_F(GridTest, EntgeltTippenUndVortragen)
{
    klick(Zeile2010, nr(Spalte::Entgelt));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), " ");
    QTest::keyClicks(fenster.grid(), QStringLiteral("4500x0,5\b50"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), " 45000.50");

    Nachrichten::setzeNächsteAntwort(QMessageBox::Yes);
    QTest::keyClick(fenster.grid(), Qt::Key_Return);
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_EQ(Nachrichten::gezeigte()[0].titel, "Vortragen?");
    EXPECT_EQ(Nachrichten::gezeigte()[0].text, "In alle Folgemonate vortragen?");

    for (int zeile : {Zeile2010, Zeile2010 + 1, Letzte})
        EXPECT_EQ(t(zeile, nr(Spalte::Entgelt)), "45000,50");
    EXPECT_EQ(t(Zeile2010 - 1, nr(Spalte::Entgelt)), "30000,00");
    const QFont schrift =
        fenster.grid()->model()->index(Zeile2010, nr(Spalte::Entgelt)).data(Qt::FontRole).value<QFont>();
    EXPECT_TRUE(schrift.bold());
    EXPECT_EQ(schrift.pointSizeF(), 12);
    EXPECT_EQ(gespeichert().jahresentgelt[Letzte - 4], Festkomma::ausText(u"45000,5"));
    EXPECT_EQ(fenster.rentenkopf()->text(), fenster.rechentabelle().rentenkopf());
    EXPECT_NE(fenster.rentenkopf()->text(), "793,00 €");
    // The view shows the cell where the calculation left the current one.
    EXPECT_EQ(fenster.grid()->currentIndex(), fenster.grid()->model()->index(Letzte, nr(Spalte::Rente)));
}

TEST_F(GridTest, PunktZeigtDieFormatvorschrift)
{
    klick(Zeile2010, nr(Spalte::Bonus));
    Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
    QTest::keyClicks(fenster.grid(), QStringLiteral("1."));
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_EQ(Nachrichten::gezeigte()[0].titel, "");
    EXPECT_EQ(Nachrichten::gezeigte()[0].text, "Format-Vorschrift: ######,##\n(mit Komma und 2 Dezimalen)");
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), " 1");
    QTest::keyClick(fenster.grid(), Qt::Key_Backspace);
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), " ");
}

TEST_F(GridTest, PfeiltastenBewegenDieAktuelleZelle)
{
    klick(Zeile2010, nr(Spalte::DurchZwölf));
    QTest::keyClick(fenster.grid(), Qt::Key_Left);
    EXPECT_EQ(fenster.rechentabelle().aktuelleZeile(), Zeile2010);
    EXPECT_EQ(fenster.rechentabelle().aktuelleSpalte(), 2);
    // Reached by the keyboard, the cell starts a new value as after a click, and keeps it
    // while the user types on; coming back to it starts again.
    QTest::keyClicks(fenster.grid(), QStringLiteral("75"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), " 75");
    QTest::keyClick(fenster.grid(), Qt::Key_Down);
    QTest::keyClick(fenster.grid(), Qt::Key_Backspace);
    EXPECT_EQ(t(Zeile2010 + 1, nr(Spalte::Entgelt)), "");
    QTest::keyClick(fenster.grid(), Qt::Key_Up);
    QTest::keyClicks(fenster.grid(), QStringLiteral(",5"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), " .5");
    // A click still blanks the cell once, and typing goes on after it.
    klick(Zeile2010, nr(Spalte::Bonus));
    QTest::keyClicks(fenster.grid(), QStringLiteral("1,2"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), " 1.2");
}

TEST_F(GridTest, TastenÖffnenDasElternzeitpanel)
{
    for (const Qt::Key taste : {Qt::Key_Return, Qt::Key_Space, Qt::Key_F2}) {
        SCOPED_TRACE(taste);
        klick(Zeile2010, nr(Spalte::Bonus));
        fenster.grid()->setFocus();
        QTest::keyClick(fenster.grid(), Qt::Key_Left);
        QTest::keyClick(fenster.grid(), Qt::Key_Left);
        QTest::keyClick(fenster.grid(), taste);
        ASSERT_TRUE(fenster.sozialpanel()->offen());
        EXPECT_EQ(fenster.sozialpanel()->zeile(), Zeile2010);
        fenster.sozialpanel()->Abbrechen_Click();
    }
    // Elsewhere the keys open nothing.
    klick(Zeile2010, nr(Spalte::Beitragspunkte));
    for (const Qt::Key taste : {Qt::Key_Return, Qt::Key_Space, Qt::Key_F2})
        QTest::keyClick(fenster.grid(), taste);
    EXPECT_FALSE(fenster.sozialpanel()->offen());
}

} // namespace
