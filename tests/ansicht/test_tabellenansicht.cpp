#include "ansicht/tabellenansicht.h"
#include "core/twips.h"
#include "hilfen/rechenaufbau.h"
#include "table/farben.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The calculation table of the sample case in a grid of the normal layout's size, in a
// window of the main window's yellow.
class FesteZeilenTest : public ::testing::Test, protected Rechenaufbau
{
protected:
    QWidget fenster;
    Tabellenansicht* m_grid = new Tabellenansicht(&fenster);

    void SetUp() override
    {
        dateiÖffnen();
        stand.datensatznummer = 1;
        tabelle.datensatzholen();
        tabelle.atvberechnen();
        ASSERT_EQ(tabelle.modell().rowCount(), 54);

        fenster.setAutoFillBackground(true);
        QPalette gelb = fenster.palette();
        gelb.setColor(QPalette::Window, Farben::HellGelb);
        fenster.setPalette(gelb);
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPointSizeF(14.25);
        fenster.setFont(schrift);
        m_grid->setzeModell(&tabelle.modell(), &tabelle.auswahl());
        m_grid->setzeSpaltenbreitenTwips(Rechentabelle::spaltenbreiten(14130));
        m_grid->setGeometry(0, 0, Twips::zuPixel(14130), Twips::zuPixel(7380));
        m_grid->setRowHeight(0, int(std::lround(Rechentabelle::KopfzeilenHöhe *
                                                m_grid->verticalHeader()->defaultSectionSize())));
        fenster.resize(m_grid->size());
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    Tabellenansicht* grid() const { return m_grid; }
    QImage kopfstreifen() const
    {
        // The scroll bar beside the heading moves, so the viewport's width only.
        const QRect innen = grid()->viewport()->geometry();
        return grid()->grab(QRect(innen.topLeft(), QSize(innen.width(), grid()->festeHöhe()))).toImage();
    }
};

TEST_F(FesteZeilenTest, KopfzeilenBleibenBeimBlätternStehen)
{
    // Moving the current cell to the last year scrolls the grid, but not the heading.
    grid()->setCurrentIndex(tabelle.modell().index(Jahreszeile::von(2002), nr(Spalte::Entgelt)));
    const QImage vorher = kopfstreifen();
    grid()->setCurrentIndex(tabelle.modell().index(Jahreszeile::von(2050), nr(Spalte::Rente)));
    ASSERT_EQ(grid()->verticalScrollBar()->value(), grid()->verticalScrollBar()->maximum());
    ASSERT_GT(grid()->verticalScrollBar()->maximum(), 0) << "54 rows do not fit the normal layout";
    EXPECT_EQ(kopfstreifen(), vorher);

    // A click on the heading reaches the heading's cell, not the year scrolled beneath it.
    const QModelIndex oben = grid()->indexAt(QPoint(grid()->columnWidth(nr(Spalte::Jahr)) + 5, 2));
    EXPECT_EQ(oben.row(), 0);
    const QModelIndex links = grid()->indexAt(QPoint(3, grid()->festeHöhe() + 3));
    EXPECT_EQ(links.column(), 0);
    EXPECT_GT(links.row(), 4);
}

TEST_F(FesteZeilenTest, AngesteuerteZeileKommtUnterDenKopfzeilenHervor)
{
    grid()->verticalScrollBar()->setValue(grid()->verticalScrollBar()->maximum());
    const QModelIndex ziel = tabelle.modell().index(Jahreszeile::von(2003), nr(Spalte::Monatsdurchschnitt));
    grid()->scrollTo(ziel);
    EXPECT_GE(grid()->rowViewportPosition(Jahreszeile::von(2003)), grid()->festeHöhe());
    EXPECT_EQ(grid()->indexAt(QPoint(grid()->columnViewportPosition(nr(Spalte::Monatsdurchschnitt)) + 3,
                                     grid()->rowViewportPosition(Jahreszeile::von(2003)) + 3)),
              ziel);
}

// The grid draws its lines grey and takes the application's colours, not the yellow of the
// window around it; its scroll bars keep the selection colour the grid itself gives up.
TEST_F(FesteZeilenTest, GitterHatSeineEigenenFarben)
{
    const QImage bild = grid()->viewport()->grab().toImage();
    const qreal dpr = bild.devicePixelRatio();
    const QPoint linie(qRound((grid()->columnWidth(nr(Spalte::Jahr)) - 1) * dpr), qRound(3 * dpr));
    EXPECT_EQ(QColor(bild.pixel(linie)), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(grid()->palette().color(QPalette::Window), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(grid()->palette().color(QPalette::Highlight).alpha(), 0);
    EXPECT_EQ(grid()->verticalScrollBar()->palette().color(QPalette::Highlight),
              QApplication::palette().color(QPalette::Highlight));
}

// The program moves the current cell (a calculation leaves it on the pension, a shorter case
// takes its row away) without scrolling the grid away from where the user is; the user's own
// moves scroll to it.
TEST_F(FesteZeilenTest, NurDerBenutzerRolltZurAktuellenZelle)
{
    QScrollBar* senkrecht = grid()->verticalScrollBar();
    ASSERT_EQ(senkrecht->value(), 0);
    tabelle.setzeAktuelleZelle(Jahreszeile::von(2050), nr(Spalte::Rente));
    EXPECT_EQ(grid()->currentIndex(), tabelle.modell().index(Jahreszeile::von(2050), nr(Spalte::Rente)));
    EXPECT_EQ(senkrecht->value(), 0);

    Datensatz satz = Datensatz::musterfall();
    satz.geburtsjahr = QStringLiteral("1970");
    ASSERT_TRUE(datei.schreiben(2, satz).ok);
    stand.datensatznummer = 2;
    tabelle.datensatzholen();
    tabelle.atvberechnen();
    ASSERT_EQ(tabelle.modell().rowCount(), Jahreszeile::von(2035) + 1);
    EXPECT_EQ(senkrecht->value(), 0);
    EXPECT_EQ(tabelle.aktuelleZeile(), Jahreszeile::von(2035));
    EXPECT_EQ(grid()->currentIndex(), tabelle.modell().index(Jahreszeile::von(2035), nr(Spalte::Rente)));

    QTest::keyClick(grid(), Qt::Key_Left);
    EXPECT_EQ(tabelle.aktuelleSpalte(), nr(Spalte::GleichRente));
    EXPECT_GT(senkrecht->maximum(), 0);
    EXPECT_EQ(senkrecht->value(), senkrecht->maximum());
}

} // namespace
