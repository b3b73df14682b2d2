#include "falldatei.h"

#include "dateiablage.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

Falldatei::Falldatei(Dateiablage& ablage) : m_ablage(ablage) {}

QByteArray Falldatei::neuesAbbild()
{
    const QByteArray leer = Datensatz::grundstellung().alsBytes();
    QByteArray bild = Datensatz::musterfall().alsBytes();
    for (int n = 2; n <= AnzahlFälle; ++n)
        bild += leer;
    return bild;
}

Falldatei::Ergebnis Falldatei::öffnen(const QString& pfad)
{
    m_pfad = pfad;
    m_abbild.clear();
    m_schreibgeschützt = false;
    m_unerwartet = false;
    const QString name = QFileInfo(pfad).fileName();

    QFileInfo info(pfad);
    if (info.isDir())
        return {false, QStringLiteral("„%1“ ist ein Ordner, keine Datei. Das Programm kann die Fälle "
                                      "nicht laden und wird beendet.")
                           .arg(name)};
    if (info.exists()) {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly))
            return {false, QStringLiteral("„%1“ kann nicht gelesen werden: %2 Das Programm wird beendet.")
                               .arg(name, systemgrund(datei))};
        m_abbild = datei.readAll();
        if (datei.error() != QFileDevice::NoError)
            return {false, QStringLiteral("„%1“ kann nicht gelesen werden: %2 Das Programm wird beendet.")
                               .arg(name, systemgrund(datei))};
    }

    if (m_abbild.isEmpty()) {
        QString fehler;
        const QByteArray bild = neuesAbbild();
        if (!m_ablage.ersetzen(pfad, bild, fehler))
            return {false, fehler + QStringLiteral(" Das Programm wird beendet.")};
        m_abbild = bild;
        return {};
    }

    Ergebnis ergebnis;
    if (m_abbild.size() != Solllänge) {
        m_unerwartet = true;
        const qint64 ganze = m_abbild.size() / Datensatz::Länge;
        QString was;
        if (m_abbild.size() < Solllänge)
            was = QStringLiteral("Sie enthält nur %1 vollständige Fälle; fehlende Fälle werden als leere "
                                 "Fälle gelesen.")
                      .arg(ganze);
        else
            was = QStringLiteral("Die Bytes nach dem siebten Fall werden nicht verwendet und bleiben "
                                 "unverändert erhalten.");
        ergebnis.meldung = QStringLiteral("„%1“ ist %2 Bytes lang, erwartet sind %3 Bytes. %4 Vor der ersten "
                                          "Änderung wird eine unveränderte Kopie daneben gespeichert.")
                               .arg(name)
                               .arg(m_abbild.size())
                               .arg(Solllänge)
                               .arg(was);
    }
    if (!info.isWritable()) {
        m_schreibgeschützt = true;
        const QString warnung = QStringLiteral("„%1“ ist schreibgeschützt. Sie können die Fälle ansehen, "
                                               "Änderungen können aber nicht gespeichert werden.")
                                    .arg(name);
        ergebnis.meldung = ergebnis.meldung.isEmpty() ? warnung : ergebnis.meldung + u'\n' + warnung;
    }
    return ergebnis;
}

Datensatz Falldatei::lesen(int n) const
{
    Q_ASSERT(n >= 1 && n <= AnzahlFälle);
    const qint64 anfang = qint64(n - 1) * Datensatz::Länge;
    if (n < 1 || n > AnzahlFälle || anfang >= m_abbild.size())
        return Datensatz::grundstellung();
    return Datensatz::ausBytes(QByteArrayView(m_abbild).sliced(anfang).first(
        std::min<qint64>(Datensatz::Länge, m_abbild.size() - anfang)));
}

Falldatei::Ergebnis Falldatei::schreiben(int n, const Datensatz& satz)
{
    return schreiben({{n, satz}});
}

Falldatei::Ergebnis Falldatei::schreiben(const QList<std::pair<int, Datensatz>>& sätze)
{
    const QString name = QFileInfo(m_pfad).fileName();
    if (m_schreibgeschützt)
        return {false, QStringLiteral("„%1“ ist schreibgeschützt: die Änderung wurde nicht gespeichert.").arg(name)};
    if (m_unerwartet) {
        Ergebnis sicherung = sichernVorÄnderung();
        if (!sicherung.ok)
            return sicherung;
    }
    QByteArray bild = m_abbild;
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
    }
    QString fehler;
    if (!m_ablage.ersetzen(m_pfad, bild, fehler))
        return {false, fehler + QStringLiteral(" Die Änderung wurde nicht gespeichert.")};
    m_abbild = bild;
    return {};
}

Falldatei::Ergebnis Falldatei::sichernVorÄnderung()
{
    QString kopie = m_pfad + QStringLiteral(".bak");
    if (QFileInfo::exists(kopie))
        kopie = m_pfad + QStringLiteral(".") +
                QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")) +
                QStringLiteral(".bak");
    QString fehler;
    if (!m_ablage.ersetzen(kopie, m_abbild, fehler))
        return {false, QStringLiteral("Vor der Änderung sollte eine Kopie „%1“ angelegt werden. %2 Die "
                                      "Änderung wurde nicht gespeichert.")
                           .arg(QFileInfo(kopie).fileName(), fehler)};
    m_unerwartet = false;
    return {};
}
