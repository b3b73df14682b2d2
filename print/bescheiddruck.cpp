#include "print/bescheiddruck.h"

#include "core/datensatz.h"
#include "print/brieftext.h"
#include "print/druckflaeche.h"

Bescheiddruck::Bescheiddruck(Druckfläche& fläche, const Datensatz& satz, const QStringList& zeilen,
                             Festkomma rente, QChar trenner, const QString& datum)
    : m_fläche(fläche), m_satz(satz), m_zeilen(zeilen), m_rente(rente), m_trenner(trenner), m_datum(datum)
{}

QString Bescheiddruck::satz(int n) const
{
    const QString zeile = m_zeilen.value(n - 1, QString(Brieftext::Satzlänge, u' '));
    return m_alter ? Brieftext::mitRentenalter(zeile, *m_alter) : zeile;
}

void Bescheiddruck::amRand(const QString& text)
{
    m_fläche.tab(Rand);
    m_fläche.zeileDrucken(text);
}

QString Bescheiddruck::anrede(const Datensatz& satz)
{
    const QString anrede = satz.anrede.trimmed();
    const QString name = satz.nachname.trimmed();
    if (anrede == QLatin1String("Frau"))
        return QStringLiteral("Sehr geehrte Frau ") + name + u',';
    return QStringLiteral("Sehr geehrter ") + anrede + u' ' + name + u',';
}

Ergebnis Bescheiddruck::Bescheiddrucken()
{
    Druckfläche& f = m_fläche;
    // The 56 lines are laid out for a portrait page; in landscape they would take two.
    f.setzeOrientierung(Druckfläche::Hochformat);
    f.setzeSchriftname(QStringLiteral("Times New Roman"));
    f.setzeSchriftgröße(12);
    f.setzeFett(false);
    for (int i = 0; i < 15; ++i)
        f.zeileDrucken();

    amRand(m_satz.anrede);
    amRand(m_satz.vorname.trimmed() + u' ' + m_satz.nachname.trimmed());
    amRand(m_satz.strasse);
    f.tab(Datumsspalte);
    f.zeileDrucken(m_datum);
    amRand(m_satz.wohnort);
    for (int i = 0; i < 3; ++i)
        f.zeileDrucken();

    f.setzeFett(true);
    f.setzeX(Überschriftx);
    f.zeileDrucken(satz(1).trimmed());
    f.setzeX(Überschriftx);
    f.zeileDrucken(satz(2).trimmed());
    f.setzeFett(false);
    amRand(satz(3).trimmed() + u' ' + m_satz.versicherungsnummer);
    f.zeileDrucken();
    f.zeileDrucken();

    amRand(anrede(m_satz));
    f.zeileDrucken();
    amRand(satz(8));
    amRand(satz(9));

    f.setzeFett(true);
    f.tab(Betragsspalte);
    f.zeileDrucken(m_rente.alsText(2, m_trenner) + QStringLiteral(" Euro"));
    f.setzeFett(false);
    if (!m_abschlag.isEmpty())
        amRand(m_abschlag);
    if (!m_auszahlung.isEmpty())
        amRand(m_auszahlung);
    for (int n = 11; n <= Brieftext::Zeilen; ++n)
        amRand(satz(n));
    return f.dokumentBeenden();
}
