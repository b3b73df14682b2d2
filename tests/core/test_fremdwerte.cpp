// Values from a case file that this program did not write.
#include "core/arbeitsstand.h"
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
