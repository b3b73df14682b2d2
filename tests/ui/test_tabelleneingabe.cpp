#include "hilfen/fenster.h"
#include "hilfen/jahreszeilen.h"
#include "ui/seiten/sozialpanel.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>

namespace {

using GridTest = FensterTest;

TEST_F(GridTest, EntgeltTippenUndVortragen)
{
    klick(Zeile2010, nr(Spalte::Entgelt));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "30000,00");
    QTest::keyClicks(fenster.grid(), QStringLiteral("45.000,5x\b0"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "45.000,50");
    EXPECT_TRUE(fenster.grid()
                    ->model()
                    ->index(Zeile2010, nr(Spalte::Entgelt))
                    .data(Qt::FontRole)
                    .value<QFont>()
                    .italic());
    EXPECT_EQ(fenster.rentenkopf()->text(), "793,00 €"); // typed is not stored

    Nachrichten::setzeNächsteAntwort(QMessageBox::Yes);
    QTest::keyClick(fenster.grid(), Qt::Key_Return);
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_EQ(Nachrichten::gezeigte()[0].titel, "Vortragen?");
    EXPECT_EQ(Nachrichten::gezeigte()[0].text, "In alle Folgejahre vortragen?");

    for (int zeile : {Zeile2010, Zeile2010 + 1, Letzte})
        EXPECT_EQ(t(zeile, nr(Spalte::Entgelt)), "45000,50");
    EXPECT_EQ(t(Zeile2010 - 1, nr(Spalte::Entgelt)), "30000,00");
    const QFont schrift =
        fenster.grid()->model()->index(Zeile2010, nr(Spalte::Entgelt)).data(Qt::FontRole).value<QFont>();
    EXPECT_TRUE(schrift.bold());
    EXPECT_FALSE(schrift.italic());
    EXPECT_EQ(schrift.pointSizeF(), 12);
    EXPECT_EQ(gespeichert().jahresentgelt[Letzte - 4], Festkomma::ausText(u"45000,5"));
    EXPECT_EQ(fenster.rentenkopf()->text(), fenster.rechentabelle().rentenkopf());
    EXPECT_NE(fenster.rentenkopf()->text(), "793,00 €");
    // The view shows the next year's cell, where the commit moved the current one.
    EXPECT_EQ(fenster.grid()->currentIndex(),
              fenster.grid()->model()->index(Zeile2010 + 1, nr(Spalte::Entgelt)));
    // A range marked from there begins at that cell, not at the cell clicked before.
    QTest::keyClick(fenster.grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(fenster.grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "45000,50\n45000,50\n");

    // Strg+Z and Strg+Y through the window: undone and redone, saved each time.
    QTest::keyClick(fenster.grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(t(Letzte, nr(Spalte::Entgelt)), "30000,00");
    EXPECT_EQ(gespeichert().jahresentgelt[Letzte - 4], Festkomma::ausGanzzahl(30000));
    QTest::keyClick(fenster.grid(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(t(Letzte, nr(Spalte::Entgelt)), "45000,50");
    QTest::keyClick(fenster.grid(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(fenster.grid(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(gespeichert().jahresentgelt[Letzte - 4], Festkomma::ausText(u"45000,5"));
}

TEST_F(GridTest, FalscheEingabeNenntWasGiltUndEscBrichtAb)
{
    klick(Zeile2010, nr(Spalte::Bonus));
    Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
    QTest::keyClicks(fenster.grid(), QStringLiteral("1.2.3"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), "1.2.3");
    QTest::keyClick(fenster.grid(), Qt::Key_Return);
    ASSERT_EQ(Nachrichten::gezeigte().size(), 1);
    EXPECT_TRUE(Nachrichten::gezeigte()[0].text.startsWith(u"„1.2.3“ ist keine Zahl."));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), "0,00");
    EXPECT_EQ(fenster.rechentabelle().aktuelleZeile(), Zeile2010);

    // Esc while typing cancels the typing and leaves the window open.
    QTest::keyClicks(fenster.grid(), QStringLiteral("7"));
    QTest::keyClick(fenster.grid(), Qt::Key_Escape);
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), "0,00");
    EXPECT_TRUE(fenster.isVisible());
    // A click elsewhere cancels as well.
    QTest::keyClicks(fenster.grid(), QStringLiteral("7"));
    klick(Zeile2010 + 1, nr(Spalte::Bonus));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Bonus)), "0,00");
}

TEST_F(GridTest, PfeiltastenSchreibenFestUndBewegen)
{
    klick(Zeile2010, nr(Spalte::DurchZwölf));
    QTest::keyClick(fenster.grid(), Qt::Key_Left);
    EXPECT_EQ(fenster.rechentabelle().aktuelleZeile(), Zeile2010);
    EXPECT_EQ(fenster.rechentabelle().aktuelleSpalte(), 2);
    // Reached by the keyboard, the cell takes a new value; the arrow commits it and moves on.
    Nachrichten::setzeNächsteAntwort(QMessageBox::No);
    QTest::keyClicks(fenster.grid(), QStringLiteral("75"));
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "75");
    QTest::keyClick(fenster.grid(), Qt::Key_Down);
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "75,00");
    EXPECT_EQ(gespeichert().jahresentgelt[Zeile2010 - 4], Festkomma::ausGanzzahl(75));
    EXPECT_EQ(fenster.rechentabelle().aktuelleZeile(), Zeile2010 + 1);

    // Umschalt+arrows mark a range; Strg+C copies it with German numbers.
    QTest::keyClick(fenster.grid(), Qt::Key_Up);
    QTest::keyClick(fenster.grid(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(fenster.grid(), Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(fenster.grid(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "75,00\t/12 =\n30000,00\t/12 =\n");
    // Strg+V of a spreadsheet column: one save, one undo step.
    klick(Zeile2010, nr(Spalte::Entgelt));
    QApplication::clipboard()->setText(QStringLiteral("41.250,00\n42.000,00\n"));
    QTest::keyClick(fenster.grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(t(Zeile2010 + 1, nr(Spalte::Entgelt)), "42000,00");
    EXPECT_EQ(gespeichert().jahresentgelt[Zeile2010 - 3], Festkomma::ausGanzzahl(42000));
    // Strg+A marks every year row, and Strg+C takes them all.
    QTest::keyClick(fenster.grid(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(fenster.grid(), Qt::Key_C, Qt::ControlModifier);
    const QStringList jahre = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(jahre.size(), 49); // 2002 to 2050
    EXPECT_TRUE(jahre.front().startsWith(u"2002\t17\t30000,00\t"_qs)) << jahre.front().toStdString();
}

// The pay history out to a spreadsheet and back: the table as CSV, then a pay file whose
// changes are shown before anything is taken, and taken as one step.
TEST_F(GridTest, EntgelteAlsCsvHinausUndHerein)
{
    fenster.grid()->setFocus();
    const QString tabelle = ordner.filePath(QStringLiteral("tabelle.csv"));
    Nachrichten::setzeNächstenSpeicherort(tabelle);
    QTest::keyClick(fenster.grid(), Qt::Key_E, Qt::ControlModifier);
    const QByteArray csv = lies(tabelle);
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBFJahr;Alter;Jahresentgelt (ATV-pflichtig);"))
        << csv.left(80).data();
    EXPECT_TRUE(csv.contains("\r\n2010;25;30000,00;2500,00;1000,00;2,50000;")) << csv.data();

    const QString datei = ordner.filePath(QStringLiteral("entgelte.csv"));
    lege(datei, "Jahr;Entgelt\n2010;41.250,00 \xE2\x82\xAC\n2011;30000\n1990;5\n2012;abc\n");
    Nachrichten::setzeNächstenSpeicherort(datei);
    Nachrichten::setzeNächsteAntwort(QMessageBox::Yes);
    QTest::keyClick(fenster.grid(), Qt::Key_I, Qt::ControlModifier);
    ASSERT_EQ(Nachrichten::gezeigte().size(), 3); // save dialog, open dialog, preview
    const QString vorschau = Nachrichten::gezeigte()[2].text;
    EXPECT_TRUE(nenntAlle(vorschau, {u"2010: Entgelt 30000,00 → 41250,00"_qs, u"Zeile 4: Das Jahr 1990"_qs,
                                     u"Zeile 5: „abc“"_qs}));
    EXPECT_FALSE(vorschau.contains(u"2011:"_qs)); // unchanged
    EXPECT_EQ(t(Zeile2010, nr(Spalte::Entgelt)), "41250,00");
    EXPECT_EQ(gespeichert().jahresentgelt[Zeile2010 - 4], Festkomma::ausGanzzahl(41250));
    QTest::keyClick(fenster.grid(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(gespeichert().jahresentgelt[Zeile2010 - 4], Festkomma::ausGanzzahl(30000));

    // "Abbrechen" in the preview takes nothing.
    Nachrichten::setzeNächstenSpeicherort(datei);
    Nachrichten::setzeNächsteAntwort(QMessageBox::No);
    QTest::keyClick(fenster.grid(), Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(gespeichert().jahresentgelt[Zeile2010 - 4], Festkomma::ausGanzzahl(30000));
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
