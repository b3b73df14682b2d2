#include "ui/kopfzeile.h"

#include "core/arbeitsstand.h"
#include "hilfe/hilfe.h"
#include "table/farben.h"
#include "table/rechentabelle.h"
#include "ui/erlaeuterungen.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/namensfeld.h"
#include "ui/platzierung.h"
#include "ui/zugang.h"

using Platzierung::arial;
using Platzierung::platzieren;
using Platzierung::umrandetesLabel;

Kopfzeile Kopfzeile::anlegen(QWidget* fenster, Rechentabelle& tabelle, const QCursor& zeiger)
{
    Kopfzeile k;
    k.bediensteter = umrandetesLabel<Namensfeld>(fenster, "Bediensteter", Farben::Weiß);
    k.bediensteter->setCursor(zeiger);
    platzieren(k.bediensteter, 0, 600, 4605, 405);

    k.rentenbeschriftung = umrandetesLabel(fenster, "Rentenbeschriftung", Farben::Grün);
    k.rentenbeschriftung->setText(QStringLiteral("       Voraussichtliche Zuvora:"));
    platzieren(k.rentenbeschriftung, 4590, 600, 4650, 405);

    k.rentenkopf = umrandetesLabel(fenster, "Rentenkopf", Farben::Grün);
    k.rentenkopf->setFont(arial(14.25, true));
    k.rentenkopf->setAlignment(Qt::AlignCenter);
    platzieren(k.rentenkopf, 9240, 600, 2715, 405);

    QObject::connect(&tabelle, &Rechentabelle::bediensteterGesetzt, k.bediensteter, &QLabel::setText);
    QObject::connect(&tabelle, &Rechentabelle::rentenkopfGesetzt, k.rentenkopf, &QLabel::setText);
    QObject::connect(&tabelle, &Rechentabelle::rentenbeschriftungGesetzt, k.rentenbeschriftung,
                     &QLabel::setText);
    // The headline is one sentence for screen readers: the caption becomes part of the
    // amount's name.
    Zugang::alsSchmuck(k.rentenbeschriftung);
    QObject::connect(&tabelle, &Rechentabelle::rentenkopfGesetzt, k.rentenkopf,
                     [kopf = k.rentenkopf, beschriftung = k.rentenbeschriftung](const QString& rente) {
                         kopf->setAccessibleName(beschriftung->text().trimmed() + u' ' + rente);
                     });
    return k;
}

void Kopfzeile::erläuterungenAnmelden(Erlaeuterungszeile& zeile, const Rechentabelle& tabelle,
                                      const Arbeitsstand& stand, std::function<bool()> tabelleSichtbar) const
{
    using E = Erlaeuterungen::Element;
    zeile.anmelden(rentenbeschriftung, Erlaeuterungen::text(E::Rentenbeschriftung));
    // The headline's explanation names the age the case's table runs to, to the eye, in the
    // tooltip and for a screen reader.
    const auto kopftext = [&stand] {
        QString text = Erlaeuterungen::text(E::Rentenkopf);
        if (!stand.rechnung.beginn.wieBisher())
            text.replace(QStringLiteral("bis zum 65. Lebensjahr"),
                         Rentenbeginn::bisText(stand.rechnung.beginn.alter));
        return text;
    };
    zeile.anmelden(
        rentenkopf, [kopftext](const QWidget*, QPointF) -> std::optional<QString> { return kopftext(); },
        Erlaeuterungszeile::Tooltip::Folgt);
    const auto beschreiben = [kopf = rentenkopf, kopftext] {
        kopf->setToolTip(kopftext().trimmed());
        kopf->setAccessibleDescription(kopftext().trimmed() + u' ' +
                                       Erlaeuterungen::text(E::Rentenbeschriftung).trimmed());
    };
    beschreiben();
    QObject::connect(&tabelle, &Rechentabelle::rentenkopfGesetzt, rentenkopf, beschreiben);

    zeile.anmelden(bediensteter, [tabelleSichtbar](const QWidget*, QPointF) -> std::optional<QString> {
        return Erlaeuterungen::bediensteter(tabelleSichtbar());
    });
    bediensteter->beschreibung = [tabelleSichtbar] {
        return Erlaeuterungen::bediensteter(tabelleSichtbar()).trimmed();
    };
}

void Kopfzeile::hilfezieleSetzen() const
{
    Hilfe::setzeZiel(bediensteter, QStringLiteral("faelle.html"));
    Hilfe::setzeZiel(rentenbeschriftung, QStringLiteral("ueberblick.html#kopfzeile"));
    Hilfe::setzeZiel(rentenkopf, QStringLiteral("ueberblick.html#kopfzeile"));
}
