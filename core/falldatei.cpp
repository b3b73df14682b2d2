#include "core/falldatei.h"

#include "core/dateiablage.h"
#include "core/falldateibefund.h"
#include "core/meldungen.h"
#include "core/sperre.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <optional>
#include <tuple>
#include <utility>

Falldatei::Falldatei(Dateiablage& ablage) : m_ablage(ablage) {}

QByteArray Falldatei::neuesAbbild()
{
    const QByteArray leer = Datensatz::grundstellung().alsBytes();
    QByteArray bild = Datensatz::musterfall().alsBytes();
    for (int n = 2; n <= AnzahlFälle; ++n)
        bild += leer;
    return bild;
}

namespace {

// Far beyond any file this program writes; reading more would only hold memory for nothing.
constexpr qint64 GrößteLänge = 16 * 1024 * 1024;

// The two blocks at the end of a file image: the extension last, the answers before it.
std::pair<Erweiterung::Befund, Beratungsblock::Befund> endblöcke(QByteArrayView abbild)
{
    const Erweiterung::Befund erweiterung = Erweiterung::lesen(abbild);
    return {erweiterung, Beratungsblock::lesen(abbild.first(abbild.size() - erweiterung.länge))};
}

} // namespace

QList<int> Falldatei::fälleMit(QByteArrayView abbild, bool (*auffällig)(const Datensatz&))
{
    QList<int> fälle;
    for (int n = 1; n <= AnzahlFälle; ++n) {
        const qint64 anfang = qint64(n - 1) * Datensatz::Länge;
        if (anfang >= abbild.size())
            break;
        if (auffällig(Datensatz::ausBytes(abbild.sliced(anfang))))
            fälle.append(n);
    }
    return fälle;
}

QList<int> Falldatei::fälleMitUnmöglichenWerten(QByteArrayView abbild)
{
    return fälleMit(abbild,
                    [](const Datensatz& d) { return d.hatUnmöglicheAnzahlen(1, Jahreswerte<int>::Anzahl); });
}

QList<int> Falldatei::fälleMitÜbergroßenBeträgen(QByteArrayView abbild)
{
    return fälleMit(abbild, [](const Datensatz& d) { return d.hatÜbergroßeBeträge(); });
}

Ergebnis Falldatei::öffnen(const QString& pfad)
{
    m_pfad = pfad;
    m_abbild.clear();
    m_erweiterung = {};
    m_beratung = {};
    m_beitragswerte = Krankenversicherung::standardwerte();
    m_schreibgeschützt = false;
    m_unerwartet = false;
    m_sicherung.clear();
    const QFileInfo info(pfad);
    using A = Befund::Art;

    if (info.isDir())
        return worte({{A::Ordner}});
    if (info.exists()) {
        Dateiinhalt inhalt = dateiLesen(pfad, GrößteLänge);
        switch (inhalt.befund) {
        case Dateiinhalt::Befund::Gelesen: m_abbild = std::move(inhalt.bytes); break;
        case Dateiinhalt::Befund::Fehler: return worte({{A::Unlesbar, inhalt.grund}});
        case Dateiinhalt::Befund::KeineDatei: return worte({{A::KeineDatei}});
        case Dateiinhalt::Befund::ZuGroß: return worte({{A::ZuGroß, {}, inhalt.größe}});
        }
    }

    if (m_abbild.isEmpty()) {
        const QByteArray bild = neuesAbbild();
        const Ergebnis angelegt = m_ablage.ersetzen(pfad, bild, Dateiablage::Verknüpfung::EigeneFolgen);
        if (!angelegt.ok)
            return worte({{A::NichtAnlegbar, angelegt.meldung}});
        m_abbild = bild;
        return angelegt;
    }

    QList<Befund> befunde;
    blöckeLesen();
    if (const qint64 satzlänge = satzteil().size(); satzlänge != Solllänge)
        befunde.append({A::Länge, {}, satzlänge, m_abbild.size()});
    Befund fremde{A::FremdeZusätze};
    for (int n = 1; n <= AnzahlFälle; ++n) {
        Datensatz satz;
        const qint64 anfang = qint64(n - 1) * Datensatz::Länge;
        const QByteArrayView bytes =
            anfang < satzteil().size() ? satzteil().sliced(anfang) : QByteArrayView();
        if (!angabenAnwenden(n, bytes, satz))
            fremde.fälle.append(n);
    }
    if (!fremde.fälle.isEmpty())
        befunde.append(fremde);
    if (const QList<int> auffällig = fälleMitUnmöglichenWerten(m_abbild); !auffällig.isEmpty())
        befunde.append({A::UnmöglicheWerte, {}, 0, 0, auffällig});
    if (const QList<int> übergroß = fälleMitÜbergroßenBeträgen(satzteil()); !übergroß.isEmpty())
        befunde.append({A::ÜbergroßeBeträge, {}, 0, 0, übergroß});
    m_unerwartet = !befunde.isEmpty();

    for (const QString& rest : liegengebliebeneZwischendateien(pfad))
        befunde.append({A::Zwischendatei, rest});

    std::optional<Befund> schutz;
    if (!info.isWritable()) {
        schutz = Befund{A::DateiSchreibgeschützt};
    } else if (!QFileInfo(info.absolutePath()).isWritable()) {
        // A save writes a new file beside the old one and renames it, so the folder must be writable too.
        schutz = Befund{A::OrdnerSchreibgeschützt};
    } else if (const Dateiablage::Ziel ziel =
                   Dateiablage::zielPrüfen(pfad, Dateiablage::Verknüpfung::EigeneFolgen);
               !ziel.hindernis.isEmpty()) {
        schutz = Befund{A::Hindernis, ziel.hindernis};
    }
    m_schreibgeschützt = schutz.has_value();
    if (schutz)
        befunde.append(*schutz);
    return worte(befunde);
}

QByteArrayView Falldatei::satzteil() const
{
    return QByteArrayView(m_abbild).first(m_abbild.size() - m_erweiterung.länge - m_beratung.länge);
}

void Falldatei::blöckeLesen()
{
    std::tie(m_erweiterung, m_beratung) = endblöcke(m_abbild);
    m_beitragswerte = m_beratung.werte.value_or(Krankenversicherung::standardwerte());
}

bool Falldatei::angabenAnwenden(int n, QByteArrayView satzbytes, Datensatz& satz) const
{
    bool passend = true;
    if (const auto& eintrag = m_erweiterung.einträge[std::size_t(n - 1)])
        passend = Erweiterung::anwenden(*eintrag, satzbytes, satz);
    if (const auto& angaben = m_beratung.fälle[std::size_t(n - 1)]) {
        if (Erweiterung::gehörtZu(angaben->first, satzbytes))
            satz.beratung = angaben->second;
        else
            passend = false;
    }
    return passend;
}

Datensatz Falldatei::lesen(int n) const
{
    Q_ASSERT(n >= 1 && n <= AnzahlFälle);
    const QByteArrayView sätze = satzteil();
    const qint64 anfang = qint64(n - 1) * Datensatz::Länge;
    if (n < 1 || n > AnzahlFälle || anfang >= sätze.size())
        return Datensatz::grundstellung();
    const QByteArrayView bytes =
        sätze.sliced(anfang).first(std::min<qint64>(Datensatz::Länge, sätze.size() - anfang));
    Datensatz satz = Datensatz::ausBytes(bytes);
    (void)angabenAnwenden(n, bytes, satz);
    return satz;
}

Ergebnis Falldatei::schreiben(int n, const Datensatz& satz)
{
    return schreiben({{n, satz}});
}

Ergebnis Falldatei::schreiben(const QList<std::pair<int, Datensatz>>& sätze)
{
    const QString name = QFileInfo(m_pfad).fileName();
    if (m_schreibgeschützt)
        return Ergebnis::fehler(
            QStringLiteral("„%1“ ist schreibgeschützt: die Änderung wurde nicht gespeichert.").arg(name));
    if (m_sperre) {
        if (const Sperre::Ergebnis gesperrt = m_sperre->bestätigen(); !gesperrt.ok)
            return gesperrt;
    }
    if (Ergebnis fremd = fremdeÄnderungPrüfen(); !fremd.ok)
        return fremd;
    if (m_unerwartet) {
        Ergebnis sicherung = sichernVorÄnderung();
        if (!sicherung.ok)
            return sicherung;
    }
    std::array<Datensatz, AnzahlFälle> fälle;
    for (int n = 1; n <= AnzahlFälle; ++n)
        fälle[std::size_t(n - 1)] = lesen(n);
    QByteArray bild = satzteil().toByteArray();
    for (const auto& [n, satz] : sätze) {
        Q_ASSERT(n >= 1 && n <= AnzahlFälle);
        if (n < 1 || n > AnzahlFälle)
            continue;
        const qint64 anfang = qint64(n - 1) * Datensatz::Länge;
        // A short file grows by blank records up to the one written; extra bytes stay.
        while (bild.size() < anfang + Datensatz::Länge) {
            const qint64 fehlt = anfang + Datensatz::Länge - bild.size();
            const qint64 imSatz = bild.size() % Datensatz::Länge;
            const QByteArray leer = Datensatz::grundstellung().alsBytes();
            bild += leer.sliced(imSatz, std::min<qint64>(fehlt, Datensatz::Länge - imSatz));
        }
        bild.replace(anfang, Datensatz::Länge, satz.alsBytes());
        fälle[std::size_t(n - 1)] = satz;
    }
    // The extension follows the seven records: a short file gets its missing records blank
    // first, so that the records stay where a program without the extension looks for them.
    // The answers' block goes first, so that the extension stays at the very end, where a
    // program that knows only the extension looks for it.
    const QByteArray block = Beratungsblock::block(fälle, m_beitragswerte) + Erweiterung::block(fälle);
    if (!block.isEmpty()) {
        const QByteArray leer = Datensatz::grundstellung().alsBytes();
        while (bild.size() < Solllänge) {
            const qint64 imSatz = bild.size() % Datensatz::Länge;
            bild += leer.sliced(imSatz);
        }
        bild += block;
    }
    const Ergebnis e = m_ablage.ersetzen(m_pfad, bild, Dateiablage::Verknüpfung::EigeneFolgen);
    if (!e.ok)
        return Ergebnis::fehler(e.meldung + QStringLiteral(" Die Änderung wurde nicht gespeichert."));
    m_abbild = bild;
    blöckeLesen();
    return e; // a warning when the save could not be made safe on the disk
}

Ergebnis Falldatei::beitragswerteSchreiben(const Krankenversicherung::Werte& werte)
{
    return schreiben(0, {}, werte);
}

Ergebnis Falldatei::schreiben(int n, const Datensatz& satz, const Krankenversicherung::Werte& werte)
{
    const Krankenversicherung::Werte vorher = m_beitragswerte;
    m_beitragswerte = werte;
    Ergebnis e =
        schreiben(n == 0 ? QList<std::pair<int, Datensatz>>{} : QList<std::pair<int, Datensatz>>{{n, satz}});
    if (!e.ok && !e.geändertVonAnderen)
        m_beitragswerte = vorher;
    return e;
}

Ergebnis Falldatei::sichernVorÄnderung()
{
    const QString kopie = freierSicherungsname(m_pfad);
    if (const Ergebnis e = m_ablage.ersetzen(kopie, m_abbild); !e.ok)
        return Ergebnis::fehler(
            QStringLiteral("Vor der Änderung sollte eine Kopie „%1“ angelegt werden. %2 Die "
                           "Änderung wurde nicht gespeichert.")
                .arg(QFileInfo(kopie).fileName(), e.meldung));
    m_unerwartet = false;
    m_sicherung = kopie;
    return {};
}

Ergebnis Falldatei::fremdeÄnderungPrüfen()
{
    const QString name = QFileInfo(m_pfad).fileName();
    const auto nichtGespeichert = [&](const QString& warum) {
        return Ergebnis::fehler(
            QStringLiteral("„%1“ kann nicht gespeichert werden: %2 Die Änderung wurde nicht "
                           "gespeichert.")
                .arg(name, warum));
    };
    const Dateiablage::Ziel ziel = Dateiablage::zielPrüfen(m_pfad, Dateiablage::Verknüpfung::EigeneFolgen);
    if (!ziel.hindernis.isEmpty())
        return nichtGespeichert(ziel.hindernis);
    if (!ziel.vorhanden)
        return eigeneFälleRetten({Befund::Art::Gelöscht}, {});
    // Not through a link put there in the meantime. Whatever else stands there now, or a
    // file larger than ours could be, differs from what the program wrote.
    const Dateiinhalt jetzt = dateiLesen(ziel.pfad, GrößteLänge, false);
    if (jetzt.befund == Dateiinhalt::Befund::Fehler)
        return nichtGespeichert(jetzt.grund);
    if (jetzt.befund == Dateiinhalt::Befund::Gelesen && jetzt.bytes == m_abbild)
        return {};
    // Reading a file again that no longer holds the cases would show blank cases, or write the
    // sample case over it: the cases in memory may be the only ones left.
    if (jetzt.befund == Dateiinhalt::Befund::Gelesen && jetzt.bytes.isEmpty())
        return eigeneFälleRetten({Befund::Art::Geleert}, {});
    if (jetzt.befund == Dateiinhalt::Befund::Gelesen) {
        const auto [erweiterung, beratung] = endblöcke(jetzt.bytes);
        const qint64 satzlänge = jetzt.bytes.size() - erweiterung.länge - beratung.länge;
        if (satzlänge < std::min(satzteil().size(), Solllänge) ||
            (satzteil().size() == Solllänge && satzlänge != Solllänge))
            return eigeneFälleRetten({Befund::Art::KeineFalldatei, {}, 0, jetzt.bytes.size()}, jetzt.bytes);
    }

    Ergebnis e = Ergebnis::fehler(
        QStringLiteral("„%1“ wurde außerhalb des Programms geändert. Ihre Änderung wurde nicht "
                       "gespeichert, damit die andere nicht verloren geht. Die Fälle wurden neu "
                       "gelesen; bitte wiederholen Sie Ihre Änderung.")
            .arg(name));
    e.geändertVonAnderen = true;
    const Ergebnis neu = öffnen(m_pfad);
    if (!neu.ok) {
        // The file cannot serve any more: nothing more is written to it in this run.
        m_schreibgeschützt = true;
        e.meldung += u'\n' + neu.meldung.chopped(QStringLiteral(" Das Programm wird beendet.").size());
    } else if (!neu.meldung.isEmpty()) {
        e.meldung += u'\n' + neu.meldung;
    }
    return e;
}

Ergebnis Falldatei::eigeneFälleRetten(const Befund& befund, const QByteArray& jetzt)
{
    const QString name = QFileInfo(m_pfad).fileName();
    const QString lage =
        wortlaut(befund) + QStringLiteral(" Das Programm hat die Fälle, wie sie zuletzt gespeichert wurden, "
                                          "noch im Speicher.");
    const bool ja = m_meldungen &&
                    m_meldungen->frage(lage + QStringLiteral(" Sollen sie mit Ihrer Änderung wieder als „%1“ "
                                                             "gespeichert werden? Bei „Nein“ bleibt „%1“, "
                                                             "wie sie ist, und die Fälle werden ohne Ihre "
                                                             "Änderung daneben gespeichert.")
                                                  .arg(name),
                                       QStringLiteral("Falldatei verändert"));
    if (ja) {
        // The bytes that stand there now are kept too: the user may not have known them.
        if (!jetzt.isEmpty()) {
            const QString kopie = freierSicherungsname(m_pfad);
            if (const Ergebnis e = m_ablage.ersetzen(kopie, jetzt); !e.ok)
                return Ergebnis::fehler(
                    QStringLiteral("Vor der Änderung sollte eine Kopie „%1“ angelegt werden. %2 Die "
                                   "Änderung wurde nicht gespeichert.")
                        .arg(QFileInfo(kopie).fileName(), e.meldung));
        }
        return {};
    }
    if (m_gerettet.isEmpty() || dateiLesen(m_gerettet, GrößteLänge, false).bytes != m_abbild) {
        const QString kopie = freierSicherungsname(m_pfad, QStringLiteral("gerettet"));
        if (const Ergebnis e = m_ablage.ersetzen(kopie, m_abbild); !e.ok)
            return Ergebnis::fehler(lage + u' ' + e.meldung +
                                    QStringLiteral(" Ihre Änderung wurde nicht gespeichert; beenden Sie das "
                                                   "Programm nicht, bevor die Fälle gesichert sind."));
        m_gerettet = kopie;
    }
    return Ergebnis::fehler(lage + QStringLiteral(" Ihre Änderung wurde nicht gespeichert, „%1“ blieb, wie "
                                                  "sie ist. Die Fälle des Programms stehen in „%2“; um mit "
                                                  "ihnen weiterzuarbeiten, beenden Sie das Programm und "
                                                  "benennen Sie „%2“ in „%1“ um.")
                                       .arg(name, QFileInfo(m_gerettet).fileName()));
}

QStringList Falldatei::liegengebliebeneZwischendateien(const QString& pfad)
{
    const QFileInfo info(pfad);
    // A save writes "<name>.XXXXXX" beside the file and renames it; a kill in between leaves it.
    const QRegularExpression muster(
        QStringLiteral("^%1\\.[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(info.fileName())));
    QStringList reste;
    const QFileInfoList einträge = QDir(info.absolutePath())
                                       .entryInfoList({info.fileName() + QStringLiteral(".??????")},
                                                      QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& e : einträge) {
        if (!e.isSymLink() && muster.match(e.fileName()).hasMatch())
            reste.append(e.absoluteFilePath());
    }
    return reste;
}
