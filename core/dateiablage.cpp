#include "core/dateiablage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace {

// The system follows at most this many links in a row; so does a save.
constexpr int GrößteKette = 8;

QByteArray nativ(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

QString gezeigt(const QString& pfad)
{
    return QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath());
}

QString was(mode_t modus)
{
    if (S_ISDIR(modus))
        return QStringLiteral("ein Ordner");
    if (S_ISFIFO(modus))
        return QStringLiteral("eine Pipe");
    if (S_ISSOCK(modus))
        return QStringLiteral("ein Socket");
    if (S_ISCHR(modus) || S_ISBLK(modus))
        return QStringLiteral("ein Gerät");
    return QStringLiteral("keine gewöhnliche Datei");
}

QString benutzer(uid_t nummer)
{
    const passwd* p = ::getpwuid(nummer);
    return p ? QString::fromLocal8Bit(p->pw_name) : QString::number(nummer);
}

QString gruppe(gid_t nummer)
{
    const group* g = ::getgrgid(nummer);
    return g ? QString::fromLocal8Bit(g->gr_name) : QString::number(nummer);
}

// Where a link points, as an absolute path; empty when it cannot be read.
QString linkziel(const QString& link)
{
    QByteArray puffer(4096, Qt::Uninitialized);
    const ssize_t n = ::readlink(nativ(link).constData(), puffer.data(), size_t(puffer.size()));
    if (n <= 0 || n >= puffer.size())
        return {};
    const QString ziel = QFile::decodeName(puffer.first(n));
    return QDir::cleanPath(QDir::isAbsolutePath(ziel) ? ziel : QFileInfo(link).absolutePath() + u'/' + ziel);
}

QString zufallsendung()
{
    static constexpr char Zeichen[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString endung;
    for (int i = 0; i < 6; ++i)
        endung += QLatin1Char(Zeichen[QRandomGenerator::global()->bounded(int(sizeof Zeichen - 1))]);
    return endung;
}

} // namespace

void dateigrenzeAlsFehler()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

Dateiablage::Ziel Dateiablage::zielPrüfen(const QString& pfad, Verknüpfung verknüpfung)
{
    Ziel ziel;
    ziel.pfad = pfad;
    const QString name = gezeigt(pfad);
    for (int kette = 0;; ++kette) {
        struct stat st {};
        if (::lstat(nativ(ziel.pfad).constData(), &st) != 0) {
            const int fehler = errno;
            if (fehler == ENOENT && kette == 0)
                return ziel; // a new file
            ziel.hindernis = fehler == ENOENT ? QStringLiteral("„%1“ ist eine Verknüpfung auf „%2“, das es "
                                                               "nicht gibt; dort wird nichts angelegt.")
                                                    .arg(name, gezeigt(ziel.pfad))
                                              : systemgrund(fehler);
            return ziel;
        }
        if (S_ISREG(st.st_mode)) {
            if (kette > 0 && st.st_uid != ::geteuid()) {
                ziel.hindernis = QStringLiteral("„%1“ ist eine Verknüpfung auf „%2“, das dem Benutzer „%3“ "
                                                "gehört; es wird nicht überschrieben.")
                                     .arg(name, gezeigt(ziel.pfad), benutzer(st.st_uid));
                return ziel;
            }
            if (::access(nativ(ziel.pfad).constData(), W_OK) != 0) {
                ziel.hindernis = QStringLiteral("„%1“ ist schreibgeschützt.").arg(gezeigt(ziel.pfad));
                return ziel;
            }
            // Only root could give a new file to someone else.
            if (st.st_uid != ::geteuid() && ::geteuid() != 0) {
                ziel.hindernis = QStringLiteral("„%1“ gehört dem Benutzer „%2“. Eine neue Fassung gehörte "
                                                "Ihnen, und er könnte sie vielleicht nicht mehr öffnen; "
                                                "daher wird sie nicht gespeichert.")
                                     .arg(gezeigt(ziel.pfad), benutzer(st.st_uid));
                return ziel;
            }
            ziel.vorhanden = true;
            ziel.status = st;
            return ziel;
        }
        if (!S_ISLNK(st.st_mode)) {
            ziel.hindernis =
                kette == 0
                    ? QStringLiteral("Unter dem Namen „%1“ steht %2, keine Datei; es wird nicht ersetzt.")
                          .arg(name, was(st.st_mode))
                    : QStringLiteral(
                          "„%1“ ist eine Verknüpfung auf „%2“, und das ist %3, keine Datei; es wird "
                          "nicht ersetzt.")
                          .arg(name, gezeigt(ziel.pfad), was(st.st_mode));
            return ziel;
        }
        const QString weiter = linkziel(ziel.pfad);
        if (verknüpfung == Verknüpfung::Ablehnen) {
            ziel.hindernis =
                QStringLiteral("„%1“ ist eine Verknüpfung auf „%2“. Damit keine fremde Datei "
                               "überschrieben wird, wird über eine Verknüpfung nicht gespeichert.")
                    .arg(name, weiter);
            return ziel;
        }
        if (st.st_uid != ::geteuid()) {
            ziel.hindernis = QStringLiteral("„%1“ ist eine Verknüpfung des Benutzers „%2“ auf „%3“; ihr wird "
                                            "nicht gefolgt.")
                                 .arg(gezeigt(ziel.pfad), benutzer(st.st_uid), weiter);
            return ziel;
        }
        if (weiter.isEmpty() || kette == GrößteKette) {
            ziel.hindernis = systemgrund(ELOOP);
            return ziel;
        }
        ziel.pfad = weiter;
    }
}

Ergebnis Dateiablage::ersetzen(const QString& pfad, const QByteArray& inhalt, Verknüpfung verknüpfung)
{
    const QString name = QFileInfo(pfad).fileName();
    const auto melden = [&](const QString& warum, const char* sonst) {
        return Ergebnis::fehler(QStringLiteral("„%1“ kann nicht gespeichert werden: %2")
                                    .arg(name, warum.isEmpty() ? QString::fromUtf8(sonst) : warum));
    };
    m_systemfehler = 0;
    const Ziel ziel = zielPrüfen(pfad, verknüpfung);
    if (!ziel.hindernis.isEmpty())
        return melden(ziel.hindernis, "");

    // Readable by nobody else until it has the mode of the file it replaces.
    m_anlegemodus = ziel.vorhanden ? 0600 : 0666;
    QFile datei;
    bool offen = false;
    for (int versuch = 0; versuch < 100 && !offen; ++versuch) {
        m_zwischendatei = ziel.pfad + u'.' + zufallsendung();
        offen = öffnen(datei);
        if (!offen && m_systemfehler != EEXIST)
            break;
    }
    if (!offen)
        return melden(grund(datei), "Unbekannter Fehler.");
    bool ersetzt = false;
    const auto aufräumen = qScopeGuard([&] {
        if (!ersetzt) {
            datei.close();
            ::unlink(nativ(m_zwischendatei).constData());
        }
    });

    qint64 geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const qint64 n = schreiben(datei, inhalt.constData() + geschrieben, inhalt.size() - geschrieben);
        if (n <= 0)
            break;
        geschrieben += n;
    }
    // QFile buffers: a write can look complete and fail only on flush, so every step is checked.
    if (geschrieben != inhalt.size() || !leeren(datei) || datei.error() != QFileDevice::NoError)
        return melden(grund(datei), "Es konnte nicht alles geschrieben werden.");
    if (!synchronisieren(datei))
        return melden(grund(datei), "Die Daten konnten nicht auf den Datenträger geschrieben werden.");
    if (const Ergebnis e = metadatenÜbernehmen(int(datei.handle()), ziel); !e.ok)
        return melden(e.meldung, "");
    if (!festschreiben(datei, ziel.pfad))
        return melden(grund(datei), "Unbekannter Fehler.");
    ersetzt = true;
    datei.close();

    // The new name is on the disk only once the folder is. The new contents are the file
    // from here on, whatever the sync says: the caller must take them as saved.
    if (const int fehler = ordnerSynchronisieren(QFileInfo(ziel.pfad).absolutePath()))
        return Ergebnis::hinweis(
            QStringLiteral("„%1“ wurde gespeichert, aber noch nicht sicher auf den Datenträger geschrieben: "
                           "%2 Nach einem Stromausfall könnte die Änderung fehlen. Prüfen Sie den "
                           "Datenträger und legen Sie eine Kopie von „%1“ an einem anderen Ort an.")
                .arg(name, systemgrund(fehler)));
    return {};
}

int Dateiablage::ordnerSynchronisieren(const QString& ordner)
{
    const int fd = ::open(nativ(ordner).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0; // nothing the program could reach to sync
    const int fehler = ::fsync(fd) == 0 || errno == EINVAL || errno == EROFS ? 0 : errno;
    ::close(fd);
    return fehler;
}

Ergebnis Dateiablage::metadatenÜbernehmen(int fd, const Ziel& ziel)
{
    if (!ziel.vorhanden)
        return {};
    const struct stat& alt = ziel.status;
    struct stat neu {};
    if (::fstat(fd, &neu) != 0)
        return Ergebnis::fehler(systemgrund(errno));
    if ((neu.st_uid != alt.st_uid || neu.st_gid != alt.st_gid) && ::fchown(fd, alt.st_uid, alt.st_gid) != 0) {
        // Taken before the names are looked up, which may set errno themselves.
        const int fehlernummer = errno;
        return Ergebnis::fehler(
            QStringLiteral("„%1“ gehört dem Benutzer „%2“ und der Gruppe „%3“. Eine neue Fassung könnte "
                           "ihnen nicht zugeschrieben werden, daher wird sie nicht gespeichert: %4")
                .arg(gezeigt(ziel.pfad), benutzer(alt.st_uid), gruppe(alt.st_gid),
                     systemgrund(fehlernummer)));
    }
    if (::fchmod(fd, alt.st_mode & 07777) != 0)
        return Ergebnis::fehler(systemgrund(errno));
    return {};
}

QString Dateiablage::grund(const QFileDevice& datei) const
{
    if (m_systemfehler != 0)
        return systemgrund(m_systemfehler);
    return datei.error() == QFileDevice::NoError ? QString() : systemgrund(datei);
}

bool Dateiablage::öffnen(QFileDevice& datei)
{
    const int fd = ::open(nativ(m_zwischendatei).constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, m_anlegemodus);
    if (fd < 0) {
        m_systemfehler = errno;
        return false;
    }
    if (!static_cast<QFile&>(datei).open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        ::unlink(nativ(m_zwischendatei).constData());
        return false;
    }
    return true;
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

bool Dateiablage::synchronisieren(QFileDevice& datei)
{
    if (::fdatasync(int(datei.handle())) == 0)
        return true;
    m_systemfehler = errno;
    return false;
}

bool Dateiablage::festschreiben(QFileDevice&, const QString& ziel)
{
    if (::rename(nativ(m_zwischendatei).constData(), nativ(ziel).constData()) == 0)
        return true;
    m_systemfehler = errno;
    return false;
}

Dateiinhalt dateiLesen(const QString& pfad, qint64 höchstens, bool verknüpfungFolgen)
{
    Dateiinhalt inhalt;
    const int fd = ::open(nativ(pfad).constData(),
                          O_RDONLY | O_NONBLOCK | O_CLOEXEC | (verknüpfungFolgen ? 0 : O_NOFOLLOW));
    QFile datei;
    if (fd < 0 || !datei.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        inhalt.grund = systemgrund(errno);
        if (fd >= 0)
            ::close(fd);
        return inhalt;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        inhalt.befund = Dateiinhalt::Befund::KeineDatei;
        return inhalt;
    }
    inhalt.größe = status.st_size;
    if (inhalt.größe > höchstens) {
        inhalt.befund = Dateiinhalt::Befund::ZuGroß;
        return inhalt;
    }
    // To the end, whatever the size said: the file may grow while it is read.
    inhalt.bytes.reserve(qsizetype(inhalt.größe));
    while (inhalt.bytes.size() <= höchstens) {
        const QByteArray stück = datei.read(std::min<qint64>(64 * 1024, höchstens + 1 - inhalt.bytes.size()));
        if (datei.error() != QFileDevice::NoError) {
            inhalt.grund = systemgrund(datei);
            inhalt.bytes.clear();
            return inhalt;
        }
        if (stück.isEmpty())
            break;
        inhalt.bytes += stück;
    }
    if (inhalt.bytes.size() > höchstens) {
        inhalt.größe = inhalt.bytes.size();
        inhalt.bytes.clear();
        inhalt.befund = Dateiinhalt::Befund::ZuGroß;
        return inhalt;
    }
    inhalt.befund = Dateiinhalt::Befund::Gelesen;
    return inhalt;
}

QString freierSicherungsname(const QString& pfad, const QString& endung)
{
    QString kopie = pfad + u'.' + endung;
    const QString zeit = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    for (int k = 1; QFileInfo::exists(kopie) || QFileInfo(kopie).isSymLink(); ++k)
        kopie = pfad + u'.' + zeit + (k > 1 ? u'-' + QString::number(k) : QString()) + u'.' + endung;
    return kopie;
}
