#include "core/zahleingabe.h"

#include <gtest/gtest.h>

namespace {

using Zahleingabe::Art;

struct Getippt {
    const char* text;
    Art art;
    const char* wert;    // as the cell shows it; nullptr: refused
    const char* meldung; // a word the refusal names
};

TEST(Zahleingabe, GetippteTexteUndIhreWerte)
{
    const Getippt fälle[] = {
        {"4500", Art::Entgelt, "4500,00", nullptr},
        {"4500,5", Art::Entgelt, "4500,50", nullptr},
        {"4500,50", Art::Entgelt, "4500,50", nullptr},
        {"4500.50", Art::Entgelt, "4500,50", nullptr},
        {"41.250,00", Art::Entgelt, "41250,00", nullptr},
        {"41.250", Art::Entgelt, "41250,00", nullptr},
        {"1.234.567,89", Art::Entgelt, "1234567,89", nullptr},
        {"  41.250,00 € ", Art::Entgelt, "41250,00", nullptr},
        {"€ 123456,78", Art::Entgelt, "123456,78", nullptr},
        {"4500,500", Art::Entgelt, "4500,50", nullptr}, // a zero more loses nothing
        {",5", Art::Entgelt, "0,50", nullptr},
        {"0", Art::Entgelt, "0,00", nullptr},
        {"-0", Art::Entgelt, "0,00", nullptr},
        {"10.000.000,00", Art::Entgelt, "10000000,00", nullptr},
        {"1,25", Art::Bonus, "1,25", nullptr},
        {"100", Art::Bonus, "100,00", nullptr},
        {"12.5", Art::Startgutschrift, "12,50", nullptr},
        // Refused, and what the message names.
        {"10.000.000,01", Art::Entgelt, nullptr, "10000000,00"},
        {"99999999999999999999", Art::Entgelt, nullptr, "zu groß"},
        {"100,01", Art::Bonus, nullptr, "100,00"},
        {"10000,01", Art::Startgutschrift, nullptr, "10000,00"},
        {"-4500", Art::Entgelt, nullptr, "negativ"},
        {"- 1,25", Art::Bonus, nullptr, "negativ"},
        {"4500,505", Art::Entgelt, nullptr, "zwei Dezimalen"},
        {"1,255", Art::Bonus, nullptr, "zwei Dezimalen"},
        {"41.250.5", Art::Entgelt, nullptr, "keine Zahl"}, // two decimal points
        {"1.2345,00", Art::Entgelt, nullptr, "keine Zahl"},
        {"4500,50,1", Art::Entgelt, nullptr, "keine Zahl"},
        {"4,500.50", Art::Entgelt, nullptr, "keine Zahl"},
        {"45 00", Art::Entgelt, nullptr, "keine Zahl"},
        {"4500a", Art::Entgelt, nullptr, "41.250,00"},
        {"€ 5 €", Art::Entgelt, nullptr, "keine Zahl"},
        {",", Art::Entgelt, nullptr, "keine Zahl"},
        {"+5", Art::Entgelt, nullptr, "keine Zahl"},
        {"１２", Art::Entgelt, nullptr, "keine Zahl"}, // full-width digits are no digits here
    };
    for (const Getippt& f : fälle) {
        const auto g = Zahleingabe::lesen(QString::fromUtf8(f.text), f.art);
        if (f.wert) {
            ASSERT_TRUE(g.ok()) << f.text << ": " << g.meldung.toStdString();
            EXPECT_EQ(g.wert->alsText(2), QString::fromUtf8(f.wert)) << f.text;
        } else {
            EXPECT_FALSE(g.ok()) << f.text;
            EXPECT_TRUE(g.meldung.contains(QString::fromUtf8(f.meldung)))
                << f.text << ": " << g.meldung.toStdString();
            EXPECT_TRUE(g.meldung.contains(u"höchstens zwei Dezimalen")) << f.text;
        }
        EXPECT_FALSE(g.leer) << f.text;
    }
    for (const char* leer : {"", "   ", " € "})
        EXPECT_TRUE(Zahleingabe::lesen(QString::fromUtf8(leer), Art::Entgelt).leer) << leer;
}

} // namespace
