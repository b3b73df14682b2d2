#include "ansicht/tabellenansicht.h"
#include "table/zellenmodell.h"

#include <QStyledItemDelegate>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The grid paints its cells itself rather than through the style; the user must not be
// able to tell. Each case is one cell format, painted both ways.
struct Zellenform {
    const char* name;
    const char* text;
    qreal größe;
    bool fett;
    Qt::Alignment ausrichtung;
    QColor hintergrund;
};

class ZellenzeichnerTest : public ::testing::TestWithParam<Zellenform>
{};

QImage zeichnen(Tabellenansicht& ansicht, QAbstractItemDelegate* zeichner)
{
    ansicht.setItemDelegate(zeichner);
    return ansicht.viewport()->grab().toImage();
}

TEST_P(ZellenzeichnerTest, SiehtAusWieDerStil)
{
    const Zellenform& form = GetParam();
    Zellenmodell modell(3, 3);
    modell.setzeFesteBereiche(1, 1);
    modell.setzeFarben(Qt::white, QColor(255, 255, 192), QColor(0, 128, 0));
    for (int zeile = 0; zeile < 3; ++zeile) {
        for (int spalte = 0; spalte < 3; ++spalte) {
            modell.setzeText(zeile, spalte, QString::fromUtf8(form.text));
            if (form.größe > 0)
                modell.setzeSchriftgröße(zeile, spalte, form.größe);
            modell.setzeFett(zeile, spalte, form.fett);
            if (form.ausrichtung)
                modell.setzeAusrichtung(zeile, spalte, form.ausrichtung);
            if (form.hintergrund.isValid())
                modell.setzeHintergrund(zeile, spalte, form.hintergrund);
        }
    }
    Tabellenansicht ansicht;
    ansicht.setzeModell(&modell);
    ansicht.setzeSpaltenbreitenTwips({600, 900, 1500});
    ansicht.setzeZeilenhöheTwips(1, 255 * 2);
    ansicht.resize(220, 120);
    ansicht.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ansicht));
    // The current cell is selected and shows the selection instead of its background; with
    // the focus it carries a frame of its own, plain on any background, where the style's
    // mark would be.
    ansicht.setCurrentIndex(modell.index(1, 1));
    QAbstractItemDelegate* eigener = ansicht.itemDelegate();
    ansicht.clearFocus();
    EXPECT_EQ(zeichnen(ansicht, eigener), zeichnen(ansicht, new QStyledItemDelegate(&ansicht)));

    ansicht.setFocus();
    const QImage eigen = zeichnen(ansicht, eigener);
    const QImage stil = zeichnen(ansicht, new QStyledItemDelegate(&ansicht));
    const qreal dpr = eigen.devicePixelRatio();
    const QRect zelle = ansicht.visualRect(modell.index(1, 1));
    const QRect innen(zelle.topLeft() * dpr, zelle.size() * dpr);
    int rahmenpunkte = 0;
    for (int y = 0; y < eigen.height(); ++y) {
        for (int x = 0; x < eigen.width(); ++x) {
            if (!innen.contains(x, y)) {
                ASSERT_EQ(eigen.pixel(x, y), stil.pixel(x, y)) << x << "," << y;
            } else if (x < innen.left() + 2 || y < innen.top() + 2 || x > innen.right() - 2 ||
                       y > innen.bottom() - 2) {
                ASSERT_EQ(QColor(eigen.pixel(x, y)), QColor(Qt::black)) << x << "," << y;
                ++rahmenpunkte;
            }
        }
    }
    EXPECT_GT(rahmenpunkte, 0);
}

// One text in several forms in one grid: each cell shows it in its own font and place, however
// often the grid has drawn it before in another.
TEST(Zellenzeichner, GleicherTextInVielenFormen)
{
    Zellenmodell modell(3, 4);
    for (int zeile = 0; zeile < 3; ++zeile)
        for (int spalte = 0; spalte < 4; ++spalte)
            modell.setzeText(zeile, spalte, QStringLiteral("4,00"));
    modell.setzeSchriftgröße(0, 1, 12);
    modell.setzeFett(1, 1, true);
    modell.setzeAusrichtung(0, 2, Qt::AlignLeft | Qt::AlignVCenter);
    modell.setzeAusrichtung(1, 2, Qt::AlignHCenter | Qt::AlignBottom);
    Tabellenansicht ansicht;
    ansicht.setzeModell(&modell);
    ansicht.setzeSpaltenbreitenTwips({600, 900, 900, 1500});
    ansicht.setzeZeilenhöheTwips(1, 255 * 2);
    ansicht.resize(260, 120);
    ansicht.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&ansicht));
    ansicht.clearFocus();
    QAbstractItemDelegate* eigener = ansicht.itemDelegate();
    const QImage zweimal = (zeichnen(ansicht, eigener), zeichnen(ansicht, eigener));
    EXPECT_EQ(zweimal, zeichnen(ansicht, new QStyledItemDelegate(&ansicht)));
}

INSTANTIATE_TEST_SUITE_P(
    Tabellenansicht, ZellenzeichnerTest,
    ::testing::Values(Zellenform{"Zahl", "30000,00", 0, false, {}, {}},
                      Zellenform{"Wort", "Jahr", 0, false, {}, {}},
                      Zellenform{"FettGross", "2500,00", 12, true, {}, QColor(128, 255, 128)},
                      Zellenform{"KleinZentriertOben", "17", 8, false, Qt::AlignHCenter | Qt::AlignTop, {}},
                      Zellenform{
                          "ZuBreit", "Versicherungsnummer", 0, false, Qt::AlignHCenter | Qt::AlignTop, {}},
                      Zellenform{"ZuBreitRechts", "123456789012,00", 0, false, {}, {}},
                      Zellenform{"HoeherAlsDieZeile", "Datensatz-", 16, false, {}, {}},
                      Zellenform{"Umlaute", "Größe ÄÖÜ", 0, false, Qt::AlignRight | Qt::AlignVCenter, {}}),
    [](const ::testing::TestParamInfo<Zellenform>& info) { return std::string(info.param.name); });

} // namespace
