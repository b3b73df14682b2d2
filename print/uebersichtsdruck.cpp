#include "print/uebersichtsdruck.h"

#include "core/datensatz.h"
#include "print/druckflaeche.h"

Übersichtsdruck::Übersichtsdruck(Druckfläche& fläche, const Datensatz& satz, const Beratung& beratung,
                                 const Diagrammdaten& diagramm, const QString& datum)
    : m_fläche(fläche), m_satz(satz), m_beratung(beratung), m_diagramm(diagramm), m_datum(datum)
{}

Ergebnis Übersichtsdruck::drucken()
{
    Druckfläche& f = m_fläche;
    f.setzeOrientierung(Druckfläche::Hochformat);
    f.setzeSchriftname(QStringLiteral("Arial"));
    f.setzeSchriftgröße(14);
    f.setzeFett(true);
    f.zeileDrucken(QStringLiteral("Übersicht der Zusatzversorgung"));
    f.setzeSchriftgröße(10);
    f.setzeFett(false);
    const QString tag = m_satz.geburtstag.trimmed(), monat = m_satz.geburtsmonat.trimmed();
    const QString geboren =
        tag.isEmpty() || monat.isEmpty()
            ? QStringLiteral("Jahrgang %1").arg(m_beratung.rechnung.geburtsjahr)
            : QStringLiteral("geboren am %1.%2.%3").arg(tag, monat, m_satz.geburtsjahr.trimmed());
    f.drucken(QStringLiteral("%1 %2, %3").arg(m_satz.vorname.trimmed(), m_satz.nachname.trimmed(), geboren));
    f.setzeX(8800);
    f.zeileDrucken(m_datum);
    f.zeileDrucken();
    f.setzeSchriftgröße(9);
    tabelle();
    f.setzeSchriftgröße(10);
    f.zeileDrucken();
    absicherung();
    f.zeileDrucken();
    const Diagrammdaten& daten = m_diagramm;
    f.bildDrucken(3600, QStringLiteral("Diagramm"),
                  [&daten](QPainter& maler, const QRectF& fläche, const QPalette& farben, qreal punkt) {
                      diagrammZeichnen(maler, fläche, daten, farben, punkt);
                  });
    f.setzeSchriftgröße(8);
    for (const QString& annahme : Vergleichstexte::annahmen(m_beratung.vergleich))
        f.zeileDrucken(annahme);
    return f.dokumentBeenden();
}

void Übersichtsdruck::tabelle()
{
    Druckfläche& f = m_fläche;
    const Vergleich& v = m_beratung.vergleich;
    const auto spalte = [](qsizetype k) { return double(Bezeichnungsbreite + Spaltenbreite * k); };
    f.setzeFett(true);
    f.drucken(QStringLiteral("Rentenbeginn"));
    for (qsizetype k = 0; k < v.spalten.size(); ++k) {
        f.setzeX(spalte(k));
        f.drucken(Vergleichstexte::spaltenkopf(v.spalten[k], false));
    }
    f.zeileDrucken();
    f.setzeFett(false);
    for (const Vergleichstexte::Zeile& z : Vergleichstexte::tabelle(v)) {
        f.drucken(z.bezeichnung);
        for (qsizetype k = 0; k < z.werte.size(); ++k) {
            f.setzeX(spalte(k));
            f.drucken(z.werte[k]);
        }
        f.zeileDrucken();
    }
    for (const QString& text : Vergleichstexte::überholungen(v))
        f.zeileDrucken(text);
}

void Übersichtsdruck::absicherung()
{
    Druckfläche& f = m_fläche;
    const Beratung& b = m_beratung;
    f.setzeFett(true);
    f.zeileDrucken(QStringLiteral("Für den gewählten Beginn: %1 im Monat")
                       .arg(Vergleichstexte::euro(b.gewählt.renteAbBeginn)));
    f.setzeFett(false);
    QStringList renten;
    for (const auto& r : b.hinterbliebene)
        renten << QStringLiteral("%1 %2").arg(QString::fromUtf8(r.bezeichnung),
                                              Vergleichstexte::euro(r.betrag));
    f.zeileDrucken(QStringLiteral("Hinterbliebene: ") + renten.mid(0, 2).join(QStringLiteral(", ")));
    f.zeileDrucken(QStringLiteral("   ") + renten.mid(2).join(QStringLiteral(", ")) +
                   QStringLiteral(" (eigenes Einkommen der Hinterbliebenen nicht angerechnet)"));
    if (const auto& em = b.erwerbsminderung)
        f.zeileDrucken(
            QStringLiteral("Erwerbsminderung: %1 + %2 × %3 Punkte = %4 Punkte, Abschlag %5 %: %6 im Monat")
                .arg(em->punkteBisBeginn.alsText(2))
                .arg(em->zurechnungsjahre)
                .arg(em->punkteJeJahr.alsText(2), em->punkte.alsText(2), em->abschlagProzent.alsText(1),
                     Vergleichstexte::euro(em->betrag)));
    const Krankenversicherung::Abzüge& a = b.abzüge;
    f.zeileDrucken(
        QStringLiteral("Brutto %1 − Krankenversicherung %2 − Pflegeversicherung %3 = Auszahlung %4")
            .arg(Vergleichstexte::euro(a.brutto), Vergleichstexte::euro(a.kranken),
                 Vergleichstexte::euro(a.pflege), Vergleichstexte::euro(a.netto)));
}
