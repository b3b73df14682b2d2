#include "ansicht/namensgrid.h"
#include "cases/namensliste.h"
#include "hilfen/fenster.h"
#include "hilfen/jahreszeilen.h"
#include "hilfen/seitenelemente.h"
#include "ui/symbolbild.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QPushButton>

namespace {

// What a screen reader learns through Qt's accessibility interfaces, one table per window.
class ZugangTest : public FensterTest
{
protected:
    static QAccessibleInterface* zugang(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
    QList<QObject*> kinder(QObject* o) const
    {
        QList<QObject*> liste;
        QAccessibleInterface* i = zugang(o);
        for (int k = 0; i && k < i->childCount(); ++k)
            liste.append(i->child(k)->object());
        return liste;
    }
};

struct Erwartung {
    QWidget* steuerelement;
    QAccessible::Role rolle;
    const char* name;
    const char* beschreibung; // its beginning
};

TEST_F(ZugangTest, HauptfensterNenntJedesSteuerelement)
{
    const Werkzeugleiste& l = fenster.werkzeugleiste();
    const Erwartung erwartet[] = {
        {l.info, QAccessible::Button, "Programm-Info", "Informationen zu Zuvora, Version und Lizenz"},
        {l.atv, QAccessible::Button, "ATV / ATV-K", "Öffnet das Kapitel der Hilfe über die Regeln"},
        {l.bescheid, QAccessible::Button, "Anschreiben",
         "Es wird ohne vorgeschaltetes Druckmenü das Titelblatt"},
        {l.blatt, QAccessible::Button, "Anschreibentext bearbeiten", "Sie können den Text des Anschreibens"},
        {l.berechnung, QAccessible::Button, "Berechnung",
         "Es wird ohne vorgeschaltetes Druckmenü ein Ausdruck"},
        {l.hilfe, QAccessible::Button, "Hilfe", ""},
        {l.schließen, QAccessible::Button, "Schließen", "Beendet Zuvora."},
        {l.verlängern, QAccessible::Button, "Verlängern", "Sie können hier den sichtbaren Teil"},
        {fenster.bediensteter(), QAccessible::Button, "Bediensteter: Hedwig Wendler",
         "Hier können Sie bis zu 7 Versicherungsfälle anlegen (Tastatur: Alt+F)."},
        {fenster.rentenkopf(), QAccessible::StaticText, "Voraussichtliche Zuvora: 793,00 €",
         "Der angezeigte Wert"},
        {fenster.grid(), QAccessible::Table, "Berechnungstabelle", ""},
    };
    const QList<QObject*> imFenster = kinder(&fenster);
    for (const Erwartung& e : erwartet) {
        SCOPED_TRACE(e.name);
        QAccessibleInterface* i = zugang(e.steuerelement);
        ASSERT_TRUE(i);
        EXPECT_EQ(i->role(), e.rolle);
        EXPECT_EQ(i->text(QAccessible::Name), QString::fromUtf8(e.name));
        const QString beschreibung = QString::fromUtf8(e.beschreibung);
        EXPECT_EQ(i->text(QAccessible::Description).left(beschreibung.size()), beschreibung);
        EXPECT_TRUE(imFenster.contains(e.steuerelement));
    }
    // The pictures and the headline's caption are not heard on their own.
    for (QObject* o : imFenster)
        EXPECT_FALSE(qobject_cast<Symbolbild*>(o));
    EXPECT_FALSE(imFenster.contains(fenster.rentenbeschriftung()));
    // The explanation line, nameless until the pointer moves, tells its texts as descriptions.
    EXPECT_FALSE(imFenster.contains(fenster.erläuterungen()));
    for (QObject* o : imFenster) {
        if (static_cast<QWidget*>(o)->isVisible()) {
            EXPECT_FALSE(zugang(o)->text(QAccessible::Name).isEmpty()) << o->metaObject()->className();
        }
    }

    // The name label is pressed like a button; a button's key is its Alt letter.
    QAccessibleActionInterface* aktion = zugang(fenster.bediensteter())->actionInterface();
    ASSERT_TRUE(aktion);
    EXPECT_EQ(aktion->keyBindingsForAction(QAccessibleActionInterface::pressAction()), QStringList{"Alt+F"});
    aktion->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_TRUE(fenster.listeSichtbar());
    EXPECT_EQ(zugang(fenster.bediensteter())->text(QAccessible::Description),
              "Klicken sie in Spalte 1 den gewünschten Fall an (Tastatur: Eingabetaste). Sie können in den "
              "hellgrünen Zellen bis zu sieben Personalfälle anlegen.");
    EXPECT_EQ(zugang(l.berechnung)->text(QAccessible::Accelerator), "Alt+B");
}

TEST_F(ZugangTest, ElternzeitpanelNenntSeineAuswahlfelder)
{
    Sozialpanel* panel = fenster.sozialpanel();
    panel->öffnen(Zeile2010);
    EXPECT_EQ(zugang(panel)->text(QAccessible::Name), "Berechnung der sozialen Komponente für das Jahr 2010");
    EXPECT_TRUE(kinder(&fenster).contains(panel));
    const Erwartung erwartet[] = {
        {elemente(*panel).kinderanzahl1(), QAccessible::ComboBox, "Kinder, erste Zeile",
         "Für jeden vollen Kalendermonat"},
        {elemente(*panel).monateanzahl1(), QAccessible::ComboBox, "Monate, erste Zeile",
         "Für jeden vollen Kalendermonat"},
        {elemente(*panel).kinderanzahl2(), QAccessible::ComboBox, "Kinder, zweite Zeile",
         "Die doppelt vorhandenen"},
        {elemente(*panel).monateanzahl2(), QAccessible::ComboBox, "Monate, zweite Zeile",
         "Die doppelt vorhandenen"},
        {elemente(*panel).übertragen(), QAccessible::Button, "Übertragen", "Ergebnis: 0 Punkte"},
        {elemente(*panel).abbrechen(), QAccessible::Button, "Abbrechen", ""},
    };
    const QList<QObject*> imPanel = kinder(panel);
    for (const Erwartung& e : erwartet) {
        SCOPED_TRACE(e.name);
        QAccessibleInterface* i = zugang(e.steuerelement);
        EXPECT_EQ(i->role(), e.rolle);
        // A box is named by its label (on Linux Qt gives the box's text as its name).
        const auto labels = i->relations(QAccessible::Label);
        const QString name =
            labels.isEmpty() ? i->text(QAccessible::Name) : labels[0].first->text(QAccessible::Name);
        EXPECT_EQ(name, QString::fromUtf8(e.name));
        const QString beschreibung = QString::fromUtf8(e.beschreibung);
        EXPECT_EQ(i->text(QAccessible::Description).left(beschreibung.size()), beschreibung);
        EXPECT_TRUE(imPanel.contains(e.steuerelement));
    }
    EXPECT_EQ(zugang(elemente(*panel).kinderanzahl1())->text(QAccessible::Value),
              "Anspruch für Elternzeit für 0 Kinder");
    EXPECT_FALSE(imPanel.contains(elemente(*panel).line1()));
    // The result, heard at the button that takes it over: 8 + 7 months are corrected to 8 + 4.
    elemente(*panel).kinderanzahl1()->setCurrentIndex(1);
    elemente(*panel).monateanzahl1()->setCurrentIndex(8);
    elemente(*panel).kinderanzahl2()->setCurrentIndex(1);
    elemente(*panel).monateanzahl2()->setCurrentIndex(7);
    EXPECT_EQ(zugang(elemente(*panel).übertragen())->text(QAccessible::Description),
              "Ergebnis: 1,2 Punkte. Korrigierte Monate");
}

struct Zelle {
    int zeile, spalte;
    const char* name;
};

TEST_F(ZugangTest, BerechnungstabelleMitÜberschriftenUndZellen)
{
    QAccessibleTableInterface* tabelle = zugang(fenster.grid())->tableInterface();
    ASSERT_TRUE(tabelle);
    EXPECT_EQ(tabelle->columnDescription(nr(Spalte::Entgelt)), "Jahresentgelt (ATV-pflichtig)");
    EXPECT_EQ(tabelle->columnDescription(nr(Spalte::Monatsdurchschnitt)),
              "Monatliches Entgelt im Durchschnitt");
    EXPECT_EQ(tabelle->columnDescription(nr(Spalte::Rente)), "Rentenanspruch monatlich");
    const Zelle zellen[] = {
        {Jahreszeile::von(2002), nr(Spalte::Entgelt), "2002, Jahresentgelt: 30000,00"},
        {Jahreszeile::von(2002), nr(Spalte::Elternzeit), "2002, Elternzeitpunkte: 0,00"},
        {Jahreszeile::von(2001), nr(Spalte::Entgelt), "2001, Jahresentgelt: leer"},
        {1, nr(Spalte::Entgelt), "Jahres-"},
    };
    for (const Zelle& z : zellen) {
        QAccessibleInterface* zelle = tabelle->cellAt(z.zeile, z.spalte);
        ASSERT_TRUE(zelle) << z.name;
        EXPECT_EQ(zelle->text(QAccessible::Name), QString::fromUtf8(z.name));
    }
    QAccessibleTableCellInterface* entgelt =
        tabelle->cellAt(Jahreszeile::von(2002), nr(Spalte::Entgelt))->tableCellInterface();
    ASSERT_TRUE(entgelt);
    // Qt hands out the header cells as new objects that the caller owns; the registry can
    // delete them, their destructor being protected.
    const QList<QAccessibleInterface*> köpfe = entgelt->columnHeaderCells();
    ASSERT_EQ(köpfe.size(), 1);
    EXPECT_EQ(köpfe[0]->text(QAccessible::Name), "Jahresentgelt (ATV-pflichtig)");
    for (QAccessibleInterface* kopf : köpfe)
        QAccessible::deleteAccessibleInterface(QAccessible::registerAccessibleInterface(kopf));
    EXPECT_TRUE(tabelle->cellAt(Jahreszeile::von(2002), nr(Spalte::Elternzeit))
                    ->text(QAccessible::Description)
                    .startsWith("Klicken Sie Spalte 15"));
}

TEST_F(ZugangTest, FalllisteMitÜberschriftenUndZellen)
{
    fenster.Bediensteter_Click();
    QAccessibleInterface* liste = zugang(fenster.namensgrid());
    EXPECT_EQ(liste->text(QAccessible::Name), "Fallliste");
    QAccessibleTableInterface* tabelle = liste->tableInterface();
    ASSERT_TRUE(tabelle);
    const Zelle zellen[] = {
        {Namensliste::fallzeile(1), nr(Listenspalte::Nachname), "Fall 1, Nachname: Wendler"},
        {Namensliste::fallzeile(2), nr(Listenspalte::Vorname), "Fall 2, Vorname: leer"},
        {Namensliste::fallzeile(1), nr(Listenspalte::Fall), "Fall 1, Datensatzwahl: 1"},
        {0, nr(Listenspalte::Anrede), "Name des Bediensteten"},
    };
    for (const Zelle& z : zellen)
        EXPECT_EQ(tabelle->cellAt(z.zeile, z.spalte)->text(QAccessible::Name), QString::fromUtf8(z.name));
    EXPECT_EQ(tabelle->columnDescription(nr(Listenspalte::Versicherungsnummer)), "Versicherungsnummer");
    EXPECT_TRUE(tabelle->cellAt(Namensliste::fallzeile(1), nr(Listenspalte::Jahr))
                    ->text(QAccessible::Description)
                    .startsWith("Geburtsjahr"));
}

} // namespace
