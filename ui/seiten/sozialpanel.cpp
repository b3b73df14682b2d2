#include "ui/seiten/sozialpanel.h"

#include "core/falldatei.h"
#include "core/meldungen.h"
#include "core/sozialekomponente.h"
#include "core/twips.h"
#include "hilfe/hilfe.h"
#include "table/farben.h"
#include "table/rechentabelle.h"
#include "table/tabelleneingabe.h"
#include "ui/erlaeuterungen.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/fenstermasse.h"
#include "ui/platzierung.h"
#include "ui/seitenliste.h"
#include "ui/zugang.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using Platzierung::arial;

namespace {

struct Beschriftung {
    int index;
    const char* text;
    int links, oben, breite, höhe;
};

constexpr Beschriftung Beschriftungen[Sozialpanel::AnzahlSchrift] = {
    {0, "Berechnung der sozialen Komponente für das Jahr", 180, 1020, 6465, 345},
    {1, "2005", 6690, 1020, 735, 375},
    {2, "nach § 9 Abs. 1 ATV / ATV-K", 7440, 1020, 3825, 345},
    {3, "Euro", 10300, 1500, 675, 300},
    {4, "Euro", 10300, 1860, 675, 300},
    {5, "Euro", 10300, 2370, 885, 300},
    {6, "Euro", 10300, 2730, 855, 300},
    {7, "Wertziffer", 10305, 3090, 1575, 300},
    {8, "Punkte", 10300, 3420, 1005, 300},
    {9, "Gesamtbetrag", 6690, 2310, 1605, 375},
    {10, "Monatsdurchschnitt", 6180, 2700, 2055, 315}, // widened to the left for the corrected word
    {11, "/ Referenzentgelt von 1000 Euro =", 4680, 3030, 3585, 345},
    {12, "x Altersfaktor", 5820, 3420, 1425, 345},
    {13, "", 7350, 3390, 615, 315},
    {14, "=", 8070, 3390, 225, 345},
    {15, "0", 8500, 1470, 1500, 300},
    {16, "0", 8500, 1860, 1500, 300},
    {17, "0", 8505, 2370, 1500, 300},
    {18, "0", 8505, 2730, 1500, 300},
    {19, "0", 8505, 3090, 1500, 300},
    {20, "0", 8500, 3420, 1500, 300},
    {21, "Korrigierte Monate", 5820, 3810, 2355, 405},
    {22, "§ 9 Abs. 1 ATV / ATV-K", 210, 2310, 2205, 225},
    {23,
     "Für jeden vollen Kalendermonat ohne Arbeitsentgelt, in dem das Arbeitsverhältnis wegen einer "
     "Elternzeit "
     "nach § 15 des Bundeserziehungsgeldgesetzes ruht, werden für jedes Kind, für das ein Anspruch auf "
     "Eltern- "
     "zeit besteht, die Versorgungspunkte berücksichtigt, die sich bei einem zusatzversorgungspflichtigen "
     "Entgelt von 500 Euro in diesem Monat ergeben würden.",
     210, 2610, 4485, 1605},
};

constexpr int ErsterWert = 15;
constexpr int LetzterWert = 20;

} // namespace

Sozialpanel::Sozialpanel(QWidget* parent, Rechentabelle& tabelle, QPoint ursprungTwips)
    : Eingabeseite(parent), m_rechentabelle(tabelle), m_ursprung(ursprungTwips)
{}

Sozialpanel::Sozialpanel(const Seitenumgebung& u)
    : Sozialpanel(u.fenster, u.tabelle, Fenstermasse::Seitenbereich.topLeft())
{
    listenFüllen();
    Hilfe::setzeZiel(this, QStringLiteral("elternzeit.html"));
    connect(&u.eingabe, &Tabelleneingabe::sozialpanelAngefordert, this, &Sozialpanel::öffnen);
    u.erläuterungen.anmelden(
        this, Erlaeuterungszeile::hintergrund(Erlaeuterungen::text(Erlaeuterungen::Element::Form)),
        Erlaeuterungszeile::Tooltip::Bleibt);
}

void Sozialpanel::platzieren(QWidget* w, int links, int oben, int breite, int höhe) const
{
    // Converted as the window's own controls are, so that every control lands on the pixel
    // it has in the window.
    w->setGeometry(Twips::zuPixel(links) - Twips::zuPixel(m_ursprung.x()),
                   Twips::zuPixel(oben) - Twips::zuPixel(m_ursprung.y()), Twips::zuPixel(breite),
                   Twips::zuPixel(höhe));
}

QComboBox* Sozialpanel::auswahl(const char* name, int links, int oben)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(arial(9.75));
    platzieren(box, links, oben, links < 5000 ? 5235 : 2600, 360);
    return box;
}

void Sozialpanel::bereitstellen()
{
    if (m_kinderanzahl1)
        return;
    anlegen();
    if (m_listenGefüllt)
        boxenFüllen();
}

void Sozialpanel::anlegen()
{
    for (const Beschriftung& b : Beschriftungen) {
        auto* label = new QLabel(QString::fromUtf8(b.text), this);
        label->setObjectName(QStringLiteral("Schrift%1").arg(b.index));
        platzieren(label, b.links, b.oben, b.breite, b.höhe);
        m_schrift[std::size_t(b.index)] = label;
    }
    const auto beschriftung = [this](int i) { return m_schrift[std::size_t(i)]; };
    m_jahr = beschriftung(1);
    m_altersfaktor = beschriftung(13);
    m_betrag1 = beschriftung(15);
    m_betrag2 = beschriftung(16);
    m_gesamtbetrag = beschriftung(17);
    m_monatsdurchschnitt = beschriftung(18);
    m_wertziffer = beschriftung(19);
    m_punkte = beschriftung(20);
    m_warnung = beschriftung(21);
    for (int i = 3; i <= 14; ++i) {
        if (beschriftung(i) != m_altersfaktor)
            beschriftung(i)->setFont(arial(12));
    }
    beschriftung(22)->setFont(arial(9.75));
    beschriftung(23)->setFont(arial(9));
    beschriftung(23)->setWordWrap(true);
    beschriftung(23)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int i = ErsterWert; i <= LetzterWert; ++i)
        beschriftung(i)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette rot = m_warnung->palette();
    rot.setColor(QPalette::WindowText, Farben::Rot);
    m_warnung->setPalette(rot);

    m_kinderanzahl1 = auswahl("Kinderanzahl1", 210, 1470);
    m_monateanzahl1 = auswahl("Monateanzahl1", 5610, 1470);
    m_kinderanzahl2 = auswahl("Kinderanzahl2", 210, 1920);
    m_monateanzahl2 = auswahl("Monateanzahl2", 5610, 1920);
    for (QComboBox* box : {m_kinderanzahl1, m_kinderanzahl2, m_monateanzahl1, m_monateanzahl2})
        connect(box, &QComboBox::currentIndexChanged, this, &Sozialpanel::auswahlGeändert);

    // The rule under the two amounts, from x 8310 to x 11250 at y 2280.
    m_line1 = new QWidget(this);
    m_line1->setObjectName(QStringLiteral("Line1"));
    m_line1->setAutoFillBackground(true);
    QPalette schwarz = m_line1->palette();
    schwarz.setColor(QPalette::Window, Qt::black);
    m_line1->setPalette(schwarz);
    m_line1->setGeometry(Twips::zuPixel(8310) - Twips::zuPixel(m_ursprung.x()),
                         Twips::zuPixel(2280) - Twips::zuPixel(m_ursprung.y()), Twips::zuPixel(11250 - 8310),
                         1);

    m_übertragen = new QPushButton(QStringLiteral("Übertragen"), this);
    m_übertragen->setObjectName(QStringLiteral("Übertragen"));
    platzieren(m_übertragen, 8250, 3810, 1995, 375);
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    platzieren(m_abbrechen, 10320, 3810, 1665, 375);
    // Enter on a button presses that one; elsewhere in the panel it transfers.
    for (QPushButton* knopf : {m_übertragen, m_abbrechen})
        knopf->setAutoDefault(true);
    zugangEinrichten();
    connect(m_übertragen, &QPushButton::clicked, this, &Sozialpanel::Übertragen_Click);
    connect(m_abbrechen, &QPushButton::clicked, this, &Sozialpanel::Abbrechen_Click);
}

void Sozialpanel::listenFüllen()
{
    m_listenGefüllt = true;
    if (m_kinderanzahl1)
        boxenFüllen();
}

void Sozialpanel::boxenFüllen()
{
    for (QComboBox* box : {m_kinderanzahl1, m_kinderanzahl2}) {
        for (int n = 0; n <= SozialeKomponente::MaxKinder; ++n)
            box->addItem(QStringLiteral("Anspruch für Elternzeit für %1 Kinder").arg(n));
        box->setCurrentIndex(0);
    }
    for (QComboBox* box : {m_monateanzahl1, m_monateanzahl2}) {
        for (int n = 0; n <= SozialeKomponente::MaxMonate; ++n)
            box->addItem(QStringLiteral("für %1 Monate").arg(n));
        box->setCurrentIndex(0);
    }
}

void Sozialpanel::auswahlGeändert()
{
    // A selection the program makes while the panel is closed must not compute.
    if (offen())
        yKomponente();
}

void Sozialpanel::öffnen(int zeile)
{
    bereitstellen();
    Rechentabelle& t = m_rechentabelle;
    m_zeile = zeile;
    m_faktor = t.altersfaktorIn(zeile);
    m_jahr->setText(QString::number(Jahreszeile::jahr(zeile)));
    m_altersfaktor->setText(m_faktor.alsText(2));
    for (int i = ErsterWert; i <= LetzterWert; ++i)
        m_schrift[std::size_t(i)]->setText(QStringLiteral("0"));
    m_offen = true;
    emit aufgerufen();
    setAccessibleName(m_schrift[0]->text() + u' ' + m_jahr->text());
    m_kinderanzahl1->setFocus(Qt::OtherFocusReason);

    const int i = Jahreszeile::index(zeile);
    const Datensatz& satz = t.stand().datensatz;
    // The record's positions come from a file and can be anything; one the boxes do not offer reads as 0.
    m_kinderanzahl1->setCurrentIndex(
        SozialeKomponente::gültigeAnzahl(satz.kinder1[i], SozialeKomponente::MaxKinder));
    m_kinderanzahl2->setCurrentIndex(
        SozialeKomponente::gültigeAnzahl(satz.kinder2[i], SozialeKomponente::MaxKinder));
    m_monateanzahl1->setCurrentIndex(
        SozialeKomponente::gültigeAnzahl(satz.monate1[i], SozialeKomponente::MaxMonate));
    m_monateanzahl2->setCurrentIndex(
        SozialeKomponente::gültigeAnzahl(satz.monate2[i], SozialeKomponente::MaxMonate));
    yKomponente();
}

void Sozialpanel::yKomponente()
{
    bereitstellen();
    const int m1 = m_monateanzahl1->currentIndex();
    const int m2 = m_monateanzahl2->currentIndex();
    if (m1 + m2 > SozialeKomponente::MaxMonate) {
        // Selecting recomputes at once and hides the warning; it is shown after that.
        m_monateanzahl2->setCurrentIndex(SozialeKomponente::zweiteMonate(m1, m2));
        m_warnung->show();
    } else {
        m_warnung->hide();
    }

    const SozialeKomponente::Rechnung r = SozialeKomponente::berechnen(
        m_kinderanzahl1->currentIndex(), m_monateanzahl1->currentIndex(), m_kinderanzahl2->currentIndex(),
        m_monateanzahl2->currentIndex(), m_faktor);
    m_betrag1->setText(r.betrag1.alsSchlichtText());
    m_betrag2->setText(r.betrag2.alsSchlichtText());
    m_gesamtbetrag->setText(r.gesamtbetrag.alsSchlichtText());
    m_monatsdurchschnitt->setText(r.monatsdurchschnitt.alsSchlichtText());
    m_wertziffer->setText(r.wertziffer.alsSchlichtText());
    m_punkte->setText(r.punkte.alsSchlichtText());
    m_punkteWert = r.punkte;
    // The result stands in labels the focus never reaches; the button that takes it over
    // tells it.
    m_übertragen->setAccessibleDescription(
        QStringLiteral("Ergebnis: %1 Punkte").arg(r.punkte.alsSchlichtText()) +
        (m_warnung->isHidden() ? QString() : QStringLiteral(". ") + m_warnung->text()));
}

void Sozialpanel::Übertragen_Click()
{
    bereitstellen();
    const SozialeKomponente::Auswahl wahl{m_kinderanzahl1->currentIndex(), m_monateanzahl1->currentIndex(),
                                          m_kinderanzahl2->currentIndex(), m_monateanzahl2->currentIndex()};
    // When the file refuses it, the panel stays open with the user's choice, so that it can
    // be transferred once the file takes it again, or dropped with Abbrechen.
    if (!m_rechentabelle.elternzeitEintragen(m_zeile, wahl, m_punkteWert).ok)
        return;
    m_offen = false;
    emit beendet();
}

void Sozialpanel::Abbrechen_Click()
{
    m_offen = false;
    emit beendet();
}

void Sozialpanel::zugangEinrichten()
{
    // The boxes have no caption on screen. Screen readers take a box's name from the label
    // that names it as its buddy, so each has one that is never shown, saying what the box
    // counts and on which line. The rule is decoration.
    const std::pair<QComboBox*, const char*> namen[] = {{m_kinderanzahl1, "Kinder, erste Zeile"},
                                                        {m_monateanzahl1, "Monate, erste Zeile"},
                                                        {m_kinderanzahl2, "Kinder, zweite Zeile"},
                                                        {m_monateanzahl2, "Monate, zweite Zeile"}};
    for (const auto& [box, name] : namen) {
        auto* label = new QLabel(QString::fromUtf8(name), this);
        label->setBuddy(box);
        label->hide();
        box->setAccessibleName(label->text());
    }
    // What the explanation line and the panel's own text say, heard with the focus.
    const QString regel = m_schrift[23]->text();
    const QString zweiteZeile = Erlaeuterungen::text(Erlaeuterungen::Element::Form).trimmed();
    for (QComboBox* box : {m_kinderanzahl1, m_monateanzahl1})
        box->setAccessibleDescription(regel);
    for (QComboBox* box : {m_kinderanzahl2, m_monateanzahl2})
        box->setAccessibleDescription(zweiteZeile);
    Zugang::alsSchmuck(m_line1);
}

void Sozialpanel::schließen()
{
    m_offen = false;
}
