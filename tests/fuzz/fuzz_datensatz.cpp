// Any bytes as a case record: the codec gives back every byte, and the working set and the
// calculation take any value without undefined behaviour.
#include "core/arbeitsstand.h"
#include "core/datensatz.h"
#include "core/rentenberechnung.h"
#include "core/sozialekomponente.h"
#include "fuzzhilfe.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t größe)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(daten), qsizetype(größe));
    QByteArray erwartet = Datensatz::grundstellung().alsBytes();
    std::copy_n(bytes.data(), std::min<qsizetype>(bytes.size(), Datensatz::Länge), erwartet.data());

    const Datensatz d = Datensatz::ausBytes(bytes);
    PRÜFEN(d.alsBytes() == erwartet);
    PRÜFEN(Datensatz::ausBytes(erwartet) == d);

    Arbeitsstand stand;
    stand.übernehmen(d);
    QList<Rentenberechnung::Eingabe> eingaben;
    for (int i = 1; i <= Jahreswerte<int>::Anzahl; ++i) {
        const int alter = 2001 + i - stand.geburtsjahr;
        eingaben.append({d.jahresentgelt[i], Festkomma::ausRoh(altersfaktor(alter) * 1000),
                         d.elternzeitpunkte[i], d.bonuspunkte[i]});
        // What the table shows reads back as the same value.
        for (Festkomma wert : {d.jahresentgelt[i], d.elternzeitpunkte[i], d.bonuspunkte[i]}) {
            if (wert.roh() != Festkomma::Kleinster)
                PRÜFEN(Festkomma::ausText(wert.alsText(4)) == wert);
        }
        SozialeKomponente::berechnen(d.kinder1[i], d.monate1[i], d.kinder2[i], d.monate2[i],
                                     d.bonuspunkte[i]);
        const int m1 = SozialeKomponente::gültigeAnzahl(d.monate1[i], SozialeKomponente::MaxMonate);
        const int m2 = SozialeKomponente::gültigeAnzahl(d.monate2[i], SozialeKomponente::MaxMonate);
        const int zweite = SozialeKomponente::zweiteMonate(m1, m2);
        PRÜFEN(zweite >= 0 && m1 + zweite <= SozialeKomponente::MaxMonate);
    }
    Rentenberechnung::berechnen(d.startgutschrift, eingaben);
    for (int f = 0; f < Datensatz::AnzahlTextfelder; ++f)
        Festkomma::ausText(d.text(Datensatz::Textfeld(f)));
    Festkomma::ausText(Zeichensatz::dekodieren(bytes));
    return 0;
}
