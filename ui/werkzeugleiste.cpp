#include "ui/werkzeugleiste.h"

#include "hilfe/hilfe.h"
#include "ui/erlaeuterungen.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/platzierung.h"
#include "ui/symbolbild.h"
#include "ui/zugang.h"

#include <utility>

using Platzierung::platzieren;

namespace {

// The captions start with blanks so that the text stands right of the picture.
QPushButton* knopf(QWidget* fenster, const QCursor& zeiger, const char* name, const QString& text, int links,
                   int oben, int breite, int höhe)
{
    auto* b = new QPushButton(fenster);
    b->setObjectName(QString::fromUtf8(name));
    Werkzeugleiste::beschriften(b, text);
    // Enter presses the button with the focus, as Space does.
    b->setAutoDefault(true);
    b->setFont(Platzierung::arial(12));
    b->setCursor(zeiger);
    platzieren(b, links, oben, breite, höhe);
    return b;
}

Symbolbild* bild(QWidget* fenster, const QCursor& zeiger, const char* name, QSize eigeneGröße, int links,
                 int oben, int breite, int höhe)
{
    auto* p = new Symbolbild(QString::fromLatin1(name), eigeneGröße, fenster);
    p->setObjectName(QString::fromLatin1(name) + QStringLiteral("Bild"));
    p->setCursor(zeiger);
    platzieren(p, links, oben, breite, höhe);
    Zugang::alsSchmuck(p);
    return p;
}

} // namespace

Werkzeugleiste Werkzeugleiste::anlegen(QWidget* fenster, const QCursor& z)
{
    const QSize symbol(32, 32);
    const QSize kleinesBild(24, 23);
    Werkzeugleiste w;
    // Each picture is made right after its button so that it lies above it.
    w.info = knopf(fenster, z, "Info", QStringLiteral("        Programm-&Info"), 0, 0, 2350, 615);
    w.infoBild = bild(fenster, z, "info", symbol, 60, 60, 525, 525);
    w.atv = knopf(fenster, z, "ATV", QStringLiteral("         &ATV / ATV-K"), 2370, 0, 2235, 615);
    w.atvBild = bild(fenster, z, "atv", symbol, 2490, 90, 525, 465);
    w.bescheid = knopf(fenster, z, "Bescheid", QStringLiteral("          A&nschreiben"), 4620, 0, 2355, 615);
    w.bescheidBild = bild(fenster, z, "anschreiben", kleinesBild, 4920, 90, 435, 405);
    w.blatt = knopf(fenster, z, "Blatt", QString(), 6990, 0, 705, 615);
    w.blatt->unsetCursor();
    // The button has a picture and no caption: its name and key are its own.
    w.blatt->setAccessibleName(QStringLiteral("Anschreibentext bearbeiten"));
    w.blatt->setShortcut(QKeySequence(Qt::ALT | Qt::Key_T));
    w.blattBild = bild(fenster, z, "blatt", symbol, 7050, 60, 555, 525);
    w.blattBild->unsetCursor();
    w.berechnung = knopf(fenster, z, "Berechnung", QStringLiteral("        &Berechnung"), 7710, 0, 2505, 615);
    w.berechnungBild = bild(fenster, z, "berechnung", kleinesBild, 7980, 90, 465, 465);
    w.hilfe = knopf(fenster, z, "Hilfe", QStringLiteral("        &Hilfe"), 10230, 0, 1725, 615);
    w.hilfeBild = bild(fenster, z, "hilfe", symbol, 10320, 30, 615, 525);
    w.schließen = knopf(fenster, z, "Schließen", QStringLiteral("     &Schließen"), 11970, 0, 2145, 615);
    w.schließenBild = bild(fenster, z, "schliessen", symbol, 12060, 60, 555, 495);
    w.verlängern = knopf(fenster, z, "Verlängern", QStringLiteral("&Verlängern"), 11940, 615, 2175, 375);
    return w;
}

void Werkzeugleiste::beschriften(QPushButton* knopf, const QString& text)
{
    knopf->setText(text);
    knopf->setAccessibleName(Zugang::nameAusBeschriftung(text));
}

void Werkzeugleiste::erläuterungenAnmelden(Erlaeuterungszeile& zeile) const
{
    using E = Erlaeuterungen::Element;
    const std::pair<QWidget*, E> texte[] = {
        {atv, E::ATV},     {berechnung, E::Berechnung}, {bescheid, E::Bescheid},
        {blatt, E::Blatt}, {blattBild, E::Blatt},       {hilfe, E::Hilfe},
        {info, E::Info},   {schließen, E::Schließen},   {verlängern, E::Verlängern},
    };
    for (const auto& [steuerelement, element] : texte)
        zeile.anmelden(steuerelement, Erlaeuterungen::text(element));
}

void Werkzeugleiste::bilderVerbinden() const
{
    const std::pair<Symbolbild*, QPushButton*> paare[] = {
        {hilfeBild, hilfe},           {atvBild, atv},    {infoBild, info}, {bescheidBild, bescheid},
        {berechnungBild, berechnung}, {blattBild, blatt}};
    for (const auto& [bild, knopf] : paare)
        QObject::connect(bild, &Symbolbild::geklickt, knopf, &QPushButton::click);
}

void Werkzeugleiste::hilfezieleSetzen() const
{
    const std::pair<QWidget*, const char*> ziele[] = {
        {info, "index.html"},
        {atv, "atv.html"},
        {bescheid, "drucken.html#anschreiben"},
        {blatt, "anschreiben.html"},
        {berechnung, "drucken.html#berechnung"},
        {hilfe, "index.html"},
        {schließen, "ueberblick.html#fenster"},
        {verlängern, "ueberblick.html#fenster"},
    };
    for (const auto& [w, ziel] : ziele)
        Hilfe::setzeZiel(w, QString::fromLatin1(ziel));
}
