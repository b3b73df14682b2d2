#pragma once

#include "ansicht/namensgrid.h"
#include "ansicht/tabellenansicht.h"
#include "ui/fenstermasse.h"
#include "ui/hilfebefehle.h"
#include "ui/namensfeld.h"
#include "ui/programmende.h"
#include "ui/seiten/rentenbeginnseite.h"
#include "ui/seiten/sozialpanel.h"
#include "ui/symbolbild.h"
#include "ui/zvk.h"

#include <QLabel>

// The main window as tests, benchmarks and the fuzzer reach into it: its widgets by their
// object names, its other parts through ZVK::teile().
class Prueffenster : public ZVK
{
public:
    using ZVK::ZVK;

    template <class W> W* element(const QString& name) const { return findChild<W*>(name); }

    Rechentabelle& rechentabelle() { return teile().tabelle; }
    Arbeitsstand& stand() { return teile().stand; }
    Falldatei& falldatei() { return teile().datei; }
    Namensliste& namensliste() { return teile().namensliste; }
    Tabelleneingabe& eingabe() { return teile().eingabe; }
    Hilfebefehle* hilfebefehle() { return &teile().hilfe; }
    Textbearbeitung& textbearbeitung() { return teile().textbearbeitung; }
    Drucksachen& drucksachen() { return teile().drucksachen; }

    Tabellenansicht* grid() const { return element<Tabellenansicht>(QStringLiteral("Berechnungstabelle")); }
    Namensgrid* namensgrid() const { return element<Namensgrid>(QStringLiteral("Fallliste")); }
    // The list's view is made when the list first opens.
    bool listeSichtbar() const { return namensgrid() && !namensgrid()->isHidden(); }
    Namensfeld* bediensteter() const { return element<Namensfeld>(QStringLiteral("Bediensteter")); }
    QLabel* rentenbeschriftung() const { return element<QLabel>(QStringLiteral("Rentenbeschriftung")); }
    QLabel* rentenkopf() const { return element<QLabel>(QStringLiteral("Rentenkopf")); }
    QLabel* erläuterungen() const { return element<QLabel>(QStringLiteral("Erläuterungen")); }
    Sozialpanel* sozialpanel() const { return findChild<Sozialpanel*>(); }
    Rentenbeginnseite* rentenbeginnseite() const { return findChild<Rentenbeginnseite*>(); }
    Werkzeugleiste werkzeugleiste() const
    {
        const auto knopf = [this](const char* name) { return element<QPushButton>(QString::fromUtf8(name)); };
        const auto bild = [this](const char* name) { return element<Symbolbild>(QString::fromUtf8(name)); };
        return {knopf("Info"),           knopf("ATV"),           knopf("Bescheid"),  knopf("Blatt"),
                knopf("Berechnung"),     knopf("Hilfe"),         knopf("Schließen"), knopf("Verlängern"),
                bild("schliessenBild"),  bild("hilfeBild"),      bild("atvBild"),    bild("infoBild"),
                bild("anschreibenBild"), bild("berechnungBild"), bild("blattBild")};
    }

    int fensterhöheTwips() { return teile().masse.fensterhöheTwips(); }
    void setzeBildschirmhöhe(std::function<int()> twips)
    {
        teile().masse.setzeBildschirmhöhe(std::move(twips));
    }
    void layoutSetzen(int fensterhöhe, int tabellenhöhe) { teile().masse.setzen(fensterhöhe, tabellenhöhe); }
    void normalesLayout() { teile().masse.normal(); }
    void kurzesLayout() { teile().masse.kurz(); }
    void setzeProgrammende(std::function<void()> ende) { teile().ende.setzen(std::move(ende)); }
};
