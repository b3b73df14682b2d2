#include "core/dateiablage.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

namespace {

struct Übersetzung {
    const char* englisch;
    const char* deutsch;
};

// Qt reports the C library's reason in English; the common ones read better in German.
constexpr Übersetzung Gründe[] = {
    {"No space left on device", "Auf dem Datenträger ist kein Platz mehr frei."},
    {"Disk quota exceeded", "Der zugeteilte Speicherplatz ist erschöpft."},
    {"Permission denied", "Keine Berechtigung."},
    {"Read-only file system", "Das Dateisystem ist schreibgeschützt."},
    {"File too large", "Die Datei ist zu groß."},
    {"Is a directory", "Unter diesem Namen steht ein Ordner."},
    {"No such file or directory", "Die Datei oder der Ordner fehlt."},
    {"Input/output error", "Ein-/Ausgabefehler des Datenträgers."},
};

} // namespace

QString systemgrund(const QFileDevice& datei)
{
    return systemgrund(datei.errorString());
}

QString systemgrund(const QString& grund)
{
    for (const auto& ü : Gründe) {
        if (grund.contains(QLatin1String(ü.englisch), Qt::CaseInsensitive))
            return QString::fromUtf8(ü.deutsch);
    }
    if (grund.isEmpty() || grund == QLatin1String("Unknown error"))
        return QStringLiteral("Unbekannter Fehler.");
    return grund;
}

Ergebnis Dateiablage::ersetzen(const QString& pfad, const QByteArray& inhalt)
{
    const QString name = QFileInfo(pfad).fileName();
    const auto melden = [&](const QString& warum, const char* sonst) {
        return Ergebnis::fehler(QStringLiteral("„%1“ kann nicht gespeichert werden: %2")
                                    .arg(name, warum.isEmpty() ? QString::fromUtf8(sonst) : warum));
    };
    m_systemfehler = 0;
    QSaveFile datei(pfad);
    if (!öffnen(datei))
        return melden(grund(datei), "Unbekannter Fehler.");
    qint64 geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const qint64 n = schreiben(datei, inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (n <= 0)
            break;
        geschrieben += n;
    }
    // QSaveFile buffers: a write can look complete and fail only on flush, so every step is checked.
    if (geschrieben != inhalt.size() || !leeren(datei) || datei.error() != QFileDevice::NoError) {
        const QString warum = grund(datei);
        datei.cancelWriting();
        return melden(warum, "Es konnte nicht alles geschrieben werden.");
    }
    if (!festschreiben(datei)) {
        const QString warum = grund(datei);
        // A failed commit has removed its temporary file; a commit that never ran leaves it to us.
        if (datei.isOpen())
            datei.cancelWriting();
        return melden(warum, "Unbekannter Fehler.");
    }
    return {};
}

QString Dateiablage::grund(const QFileDevice& datei) const
{
    const QString qt = datei.error() == QFileDevice::NoError ? QString() : systemgrund(datei);
    if ((qt.isEmpty() || qt == QLatin1String("Unbekannter Fehler.")) && m_systemfehler != 0)
        return systemgrund(QString::fromLocal8Bit(std::strerror(m_systemfehler)));
    return qt;
}

bool Dateiablage::öffnen(QFileDevice& datei)
{
    errno = 0;
    const bool ok = datei.open(QIODevice::WriteOnly);
    if (!ok)
        m_systemfehler = errno;
    return ok;
}

qint64 Dateiablage::schreiben(QFileDevice& datei, const char* daten, qint64 länge)
{
    errno = 0;
    const qint64 n = datei.write(daten, länge);
    if (n < länge)
        m_systemfehler = errno;
    return n;
}

bool Dateiablage::leeren(QFileDevice& datei)
{
    errno = 0;
    const bool ok = datei.flush();
    if (!ok)
        m_systemfehler = errno;
    return ok;
}

bool Dateiablage::festschreiben(QFileDevice& datei)
{
    errno = 0;
    const bool ok = static_cast<QSaveFile&>(datei).commit();
    if (!ok)
        m_systemfehler = errno;
    return ok;
}

QString freierSicherungsname(const QString& pfad)
{
    QString kopie = pfad + QStringLiteral(".bak");
    const QString zeit = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int k = 1; QFileInfo::exists(kopie) || QFileInfo(kopie).isSymLink(); ++k)
        kopie = pfad + u'.' + zeit + (k > 1 ? u'-' + QString::number(k) : QString()) + QStringLiteral(".bak");
    return kopie;
}
