#include "dateiablage.h"

#include <QFileInfo>
#include <QSaveFile>

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
    const QString grund = datei.errorString();
    for (const auto& ü : Gründe) {
        if (grund.contains(QLatin1String(ü.englisch), Qt::CaseInsensitive))
            return QString::fromUtf8(ü.deutsch);
    }
    if (grund.isEmpty() || grund == QLatin1String("Unknown error"))
        return QStringLiteral("Unbekannter Fehler.");
    return grund;
}

bool Dateiablage::ersetzen(const QString& pfad, const QByteArray& inhalt, QString& fehler)
{
    const QString name = QFileInfo(pfad).fileName();
    QSaveFile datei(pfad);
    if (!öffnen(datei)) {
        fehler = QStringLiteral("„%1“ kann nicht gespeichert werden: %2").arg(name, systemgrund(datei));
        return false;
    }
    qint64 geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const qint64 n = schreiben(datei, inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (n <= 0)
            break;
        geschrieben += n;
    }
    // QSaveFile buffers: a write can look complete and fail only on flush, so every step is checked.
    const bool vollständig = geschrieben == inhalt.size() && leeren(datei) && datei.error() == QFileDevice::NoError;
    if (!vollständig) {
        const QString grund = datei.error() == QFileDevice::NoError
                                  ? QStringLiteral("Es konnte nicht alles geschrieben werden.")
                                  : systemgrund(datei);
        datei.cancelWriting();
        fehler = QStringLiteral("„%1“ kann nicht gespeichert werden: %2").arg(name, grund);
        return false;
    }
    if (!festschreiben(datei)) {
        fehler = QStringLiteral("„%1“ kann nicht gespeichert werden: %2").arg(name, systemgrund(datei));
        return false;
    }
    return true;
}

bool Dateiablage::öffnen(QFileDevice& datei)
{
    return datei.open(QIODevice::WriteOnly);
}

qint64 Dateiablage::schreiben(QFileDevice& datei, const char* daten, qint64 länge)
{
    return datei.write(daten, länge);
}

bool Dateiablage::leeren(QFileDevice& datei)
{
    return datei.flush();
}

bool Dateiablage::festschreiben(QFileDevice& datei)
{
    return static_cast<QSaveFile&>(datei).commit();
}
