// Values from a case file that this program did not write.
#include "core/arbeitsstand.h"
#include "core/fallrechnung.h"
#include "core/sozialekomponente.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(Fremdwerte, KinderUndMonateAußerhalbDerListeZählenAlsNull)
{
    struct Fall {
        int gespeichert, größte, erwartet;
    } fälle[] = {
        {0, 6, 0},   {6, 6, 6},       {7, 6, 0},      {-1, 6, 0},      {12, 12, 12},
        {13, 12, 0}, {-32768, 12, 0}, {32767, 12, 0}, {INT_MIN, 6, 0}, {INT_MAX, 12, 0},
    };
    for (const Fall& f : fälle)
        EXPECT_EQ(SozialeKomponente::gültigeAnzahl(f.gespeichert, f.größte), f.erwartet) << f.gespeichert;
}

TEST(Fremdwerte, ZweiteMonateOhneÜberlauf)
{
    EXPECT_EQ(SozialeKomponente::zweiteMonate(INT_MAX, INT_MAX), INT_MIN + 13); // 12 - INT_MAX
    EXPECT_EQ(SozialeKomponente::zweiteMonate(INT_MIN, INT_MAX), INT_MAX);
    EXPECT_EQ(SozialeKomponente::zweiteMonate(INT_MIN, 5), 5);
    EXPECT_EQ(SozialeKomponente::zweiteMonate(-32768, 32767), 32767);
}

TEST(Fremdwerte, SozialeKomponenteSättigt)
{
    const auto r =
        SozialeKomponente::berechnen(INT_MAX, INT_MAX, INT_MAX, INT_MAX, Festkomma::ausText(u"3,1"));
    EXPECT_EQ(r.gesamtbetrag.roh(), Festkomma::Größter);
    const auto n = SozialeKomponente::berechnen(INT_MIN, INT_MAX, 1, 1, Festkomma::ausText(u"3,1"));
    EXPECT_EQ(n.betrag1.roh(), Festkomma::Kleinster);
    EXPECT_EQ(n.gesamtbetrag.roh(), Festkomma::Kleinster + 500 * Festkomma::Skala);
}

// The largest values the file may hold in every field: no sum or product reaches the ends of
// the range, where it would stop there and show nonsense.
TEST(Fremdwerte, GrößteWerteLaufenNichtÜber)
{
    Datensatz d = Datensatz::musterfall();
    d.geburtsjahr = QStringLiteral("1990");
    const Festkomma punkte = Festkomma::ausGanzzahl(Datensatz::GrößtePunkte);
    d.startgutschrift = punkte;
    for (int i = 1; i <= Jahreswerte<int>::Höchstens; ++i) {
        d.jahresentgelt[i] = Festkomma::ausGanzzahl(Datensatz::GrößtesEntgelt);
        d.elternzeitpunkte[i] = d.bonuspunkte[i] = punkte;
    }
    const Fallrechnung h = fallrechnung(Fallwerte::aus(d, 2026), d.rentenbeginn);
    ASSERT_GT(h.jahreszeilen(), 50);
    EXPECT_LT(h.rente.roh(), Festkomma::Größter / 100);
    // At least the start credit and both point columns of every insured year, x 4 Euro.
    EXPECT_GT(h.rente, punkte.mal(4 * (1 + 2 * (h.jahreszeilen() - 6))));
    // One value beyond them counts as 0 instead of pinning the sum at the end of the range.
    d.bonuspunkte[30] = Festkomma::ausRoh(Festkomma::Größter);
    const Fallrechnung ohne = fallrechnung(Fallwerte::aus(d, 2026), d.rentenbeginn);
    EXPECT_LT(ohne.rente, h.rente);
    EXPECT_GT(ohne.rente, h.rente - punkte.mal(5));
}

TEST(Fremdwerte, GeburtsjahrtexteOhneZahl)
{
    struct Fall {
        const char16_t* text;
        int wert;
    } fälle[] = {
        {u"abcd", 0},
        {u"", 0},
        {u"-195", 0},
        {u"19x5", 19},
        {u"  12", 12},
        {u"\u00ff\u00ff\u00ff\u00ff", 0},
        {u"99999999999999999999", 999999999},
    };
    for (const Fall& f : fälle)
        EXPECT_EQ(führendeZahl(f.text), f.wert) << QString::fromUtf16(f.text).toStdString();
}

} // namespace
