#include "core/webadresse.h"
#include "ui/erlaeuterungen.h"

#include <gtest/gtest.h>

namespace {

using Erlaeuterungen::namensgrid;
using Erlaeuterungen::rechentabelle;

struct Bereichsfall {
    double x;
    const char* anfang; // how the text begins; nullptr: the line stays as it is
};

void PrintTo(const Bereichsfall& f, std::ostream* aus)
{
    *aus << f.x << " twips";
}

class Rechentabellenbereich : public ::testing::TestWithParam<Bereichsfall>
{};

TEST_P(Rechentabellenbereich, WähltDenTextNachDemAbstandVomLinkenRand)
{
    const Bereichsfall f = GetParam();
    const std::optional<QString> text = rechentabelle(f.x);
    if (!f.anfang) {
        EXPECT_FALSE(text.has_value()) << text->toStdString();
        return;
    }
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->startsWith(QString::fromUtf8(f.anfang))) << text->toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Grenzen, Rechentabellenbereich,
    ::testing::Values(Bereichsfall{0, " Die vor dem Jahr 2002"}, Bereichsfall{510, " Die vor dem Jahr 2002"},
                      Bereichsfall{510.5, nullptr}, Bereichsfall{511, " Maßgebliches Alter"},
                      Bereichsfall{1020, " Maßgebliches Alter"}, Bereichsfall{1021, " ATV-umlagepflichtiges"},
                      Bereichsfall{8130, " Das Multiplizieren"}, Bereichsfall{8131, " Klicken Sie Spalte 15"},
                      Bereichsfall{9181, " Bonuspunkte"}, Bereichsfall{13935, " Die Zuvora errechnet"},
                      Bereichsfall{13935.5, nullptr}, Bereichsfall{14000, nullptr},
                      Bereichsfall{-1, nullptr}),
    [](const auto& info) {
        // 510.5 twips: "Bei510_5Twips"; -1: "BeiMinus1Twips".
        std::string x = QString::number(info.param.x)
                            .replace(u'.', u'_')
                            .replace(QStringLiteral("-"), QStringLiteral("Minus"))
                            .toStdString();
        return "Bei" + x + "Twips";
    });

TEST(Namensgridbereich, ReichtBis13965)
{
    EXPECT_TRUE(namensgrid(1275)->startsWith(QStringLiteral(" Ein Rentenfall kann nur in Spalte 1")));
    EXPECT_EQ(namensgrid(1276), QStringLiteral(" Name des Bediensteten"));
    EXPECT_TRUE(namensgrid(13965)->startsWith(QStringLiteral(" Wohnort für den Ausdruck")));
    EXPECT_FALSE(namensgrid(13966).has_value());
    EXPECT_FALSE(namensgrid(7215.5).has_value());
}

// Each catalogue walked twip by twip: no gap, every range a text of its own from its first
// twip to its last, each opening with the blank the line keeps at its left edge.
TEST(Erläuterungstexte, JederBereichHatSeinenText)
{
    struct Katalog {
        std::optional<QString> (*text)(double xTwips);
        int ende;
        qsizetype bereiche;
    };
    for (const Katalog& k : {Katalog{rechentabelle, 13935, 11}, Katalog{namensgrid, 13965, 8}}) {
        QStringList texte;
        for (int x = 0; x <= k.ende; ++x) {
            const std::optional<QString> t = k.text(x);
            ASSERT_TRUE(t && t->startsWith(u' ')) << x;
            if (texte.isEmpty() || texte.last() != *t)
                texte.append(*t);
        }
        EXPECT_EQ(texte.size(), k.bereiche);
        texte.removeDuplicates();
        EXPECT_EQ(texte.size(), k.bereiche);
    }
}

TEST(Erläuterungstexte, BehaltenIhreRänder)
{
    // The blanks at either end are part of the texts and easily lost in an edit.
    EXPECT_TRUE(rechentabelle(9500)->endsWith(QStringLiteral("(§ 19 ATV/ATV-K)  ")));
    EXPECT_TRUE(
        Erlaeuterungen::text(Erlaeuterungen::Element::Form).startsWith(QStringLiteral(" Die doppelt")));
    EXPECT_TRUE(
        Erlaeuterungen::text(Erlaeuterungen::Element::Rentenkopf).startsWith(QStringLiteral(" Der ")));
    EXPECT_TRUE(Erlaeuterungen::text(Erlaeuterungen::Element::Hilfe).isEmpty());
}

// The texts that pointed to another program, a file or a web site this program does not have,
// and the ones with typos: each says what it says now, and none of the old words is left.
TEST(Erläuterungstexte, SagenDieWahrheitÜberDiesesProgramm)
{
    using E = Erlaeuterungen::Element;
    const struct {
        QString text;
        const char* jetzt;
    } fälle[] = {
        {Erlaeuterungen::text(E::ATV), "Öffnet das Kapitel der Hilfe über die Regeln des Punktemodells"},
        {Erlaeuterungen::text(E::Info), "Informationen zu Zuvora, Version und Lizenz"},
        {Erlaeuterungen::text(E::Rentenbeschriftung), " Ein Klick hier (oder Alt+R) stellt Rentenbeginn"},
        {Erlaeuterungen::text(E::Schließen), "Beendet Zuvora."},
        {Erlaeuterungen::text(E::Rentenkopf), "automatisch fortgeschriebenen Entgelte"},
        {Erlaeuterungen::text(E::Bescheid), "Vorschau: Strg+Umschalt+N."},
        {*rechentabelle(3000), "da alle weiteren Werte Parameter Monatswerte sind."},
        {*rechentabelle(5000), "(§ 8 Abs. 2 ATV/ATV-K)."},
        {*namensgrid(12000), " Wohnort für den Ausdruck auf den Ausdrucken."},
    };
    const QString host = Webadresse::host();
    for (const auto& f : fälle) {
        EXPECT_TRUE(f.text.contains(QString::fromUtf8(f.jetzt))) << f.text.toStdString();
        for (const QString& alt :
             {QStringLiteral("SALVIDOR"), QStringLiteral("Tarvona"), host, QStringLiteral("herunter"),
              QStringLiteral("Internet"), QStringLiteral("fyOrt"), QStringLiteral("Paramenter"),
              QStringLiteral("Auddrucken"), QStringLiteral("AtV")})
            EXPECT_FALSE(f.text.contains(alt)) << f.text.toStdString();
    }
}

TEST(Erläuterungstexte, BediensteterHängtVonDerTabelleAb)
{
    EXPECT_TRUE(Erlaeuterungen::bediensteter(true).startsWith(QStringLiteral("Hier können Sie bis zu 7")));
    EXPECT_TRUE(Erlaeuterungen::bediensteter(false).startsWith(QStringLiteral(" Klicken sie in Spalte 1")));
}

} // namespace
