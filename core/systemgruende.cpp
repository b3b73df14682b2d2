// The system's reasons for a failed file operation, in German. The C library and Qt word
// them in English; a message of this program never shows an English sentence.
#include "core/dateiablage.h"

#include <QFileDevice>
#include <cerrno>
#include <cstring>

namespace {

struct Grund {
    int nummer;
    const char* deutsch;
};

constexpr Grund Gründe[] = {
    {ENOSPC, "Auf dem Datenträger ist kein Platz mehr frei."},
    {EDQUOT, "Der zugeteilte Speicherplatz ist erschöpft."},
    {EACCES, "Keine Berechtigung."},
    {EPERM, "Der Vorgang ist nicht erlaubt."},
    {EROFS, "Das Dateisystem ist schreibgeschützt."},
    {EFBIG, "Die Datei ist zu groß."},
    {EISDIR, "Unter diesem Namen steht ein Ordner."},
    {ENOENT, "Die Datei oder der Ordner fehlt."},
    {EIO, "Ein-/Ausgabefehler des Datenträgers."},
    {ENOTDIR, "Ein Teil des Pfades ist kein Ordner."},
    {ENAMETOOLONG, "Der Name oder der Pfad ist zu lang."},
    {ELOOP, "Der Pfad enthält zu viele Verknüpfungen hintereinander."},
    {EEXIST, "Unter diesem Namen steht schon etwas."},
    {EBUSY, "Die Datei oder der Datenträger wird gerade benutzt."},
    {ETXTBSY, "Die Datei wird gerade benutzt."},
    {EMFILE, "Das Programm hat zu viele Dateien geöffnet."},
    {ENFILE, "Im System sind zu viele Dateien geöffnet."},
    {ENOMEM, "Der Arbeitsspeicher reicht nicht aus."},
    {EINVAL, "Das Dateisystem unterstützt diesen Vorgang nicht."},
    {EOPNOTSUPP, "Das Dateisystem unterstützt diesen Vorgang nicht."},
    {ENXIO, "Das Gerät zu dieser Datei ist nicht erreichbar."},
    {ENODEV, "Das Gerät zu dieser Datei ist nicht erreichbar."},
    {ESTALE, "Die Datei auf dem Netzlaufwerk ist nicht mehr gültig."},
    {ETIMEDOUT, "Das Netzlaufwerk antwortet nicht."},
    {EAGAIN, "Die Datei ist vorübergehend nicht verfügbar."},
    {EXDEV, "Die Datei liegt auf einem anderen Datenträger."},
    {ENOTEMPTY, "Der Ordner ist nicht leer."},
    {EINTR, "Der Vorgang wurde unterbrochen."},
};

// Qt's own wording where it does not pass the C library's on.
struct Übersetzung {
    const char* englisch;
    const char* deutsch;
};
constexpr Übersetzung QtGründe[] = {
    {"Filename refers to a directory", "Unter diesem Namen steht ein Ordner."},
    {"No file engine available", "Die Datei kann nicht geöffnet werden."},
    {"Unknown error", "Unbekannter Fehler."},
};

} // namespace

QString systemgrund(int fehlernummer)
{
    for (const Grund& g : Gründe) {
        if (g.nummer == fehlernummer)
            return QString::fromUtf8(g.deutsch);
    }
    return QStringLiteral("Fehler Nummer %1 des Betriebssystems.").arg(fehlernummer);
}

QString systemgrund(const QFileDevice& datei)
{
    return systemgrund(datei.errorString());
}

QString systemgrund(const QString& grund)
{
    if (grund.isEmpty())
        return QStringLiteral("Unbekannter Fehler.");
    for (const Grund& g : Gründe) {
        if (grund.contains(QString::fromLocal8Bit(std::strerror(g.nummer)), Qt::CaseInsensitive))
            return QString::fromUtf8(g.deutsch);
    }
    for (const auto& ü : QtGründe) {
        if (grund.contains(QLatin1String(ü.englisch), Qt::CaseInsensitive))
            return QString::fromUtf8(ü.deutsch);
    }
    // Already German (one of ours), or words we do not know: those are not shown.
    for (const Grund& g : Gründe) {
        if (grund == QString::fromUtf8(g.deutsch))
            return grund;
    }
    return QStringLiteral("Unbekannter Fehler des Dateisystems.");
}
