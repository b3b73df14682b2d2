#include "core/sperre.h"

#include "core/dateiablage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Ours are a few dozen bytes; whatever is larger is not read further.
constexpr qint64 GrößteSperrdatei = 512;

QByteArray nativ(const QString& pfad)
{
    return QFile::encodeName(pfad);
}

QString programmname()
{
    return QCoreApplication::instance() ? QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                                        : QStringLiteral("zuvora");
}

struct Inhalt {
    qint64 prozess = 0;
    QString programm, rechner;
    bool gültig = false;
};

Inhalt auslesen(int fd, qint64 größe)
{
    QByteArray bytes(GrößteSperrdatei, Qt::Uninitialized);
    const ssize_t n = ::pread(fd, bytes.data(), size_t(bytes.size()), 0);
    Inhalt inhalt;
    if (n <= 0 || größe > GrößteSperrdatei)
        return inhalt;
    const QList<QByteArray> zeilen = bytes.first(n).split('\n');
    bool zahl = false;
    inhalt.prozess = zeilen.value(0).trimmed().toLongLong(&zahl);
    inhalt.programm = QString::fromUtf8(zeilen.value(1).trimmed());
    inhalt.rechner = QString::fromUtf8(zeilen.value(2).trimmed());
    inhalt.gültig = zahl && inhalt.prozess > 0 && inhalt.prozess <= 0x7fffffff;
    return inhalt;
}

// Only where the file system knows no flock(): does the named process run this program?
bool prozessLebt(const Inhalt& inhalt)
{
    if (::kill(pid_t(inhalt.prozess), 0) != 0 && errno != EPERM)
        return false;
    const QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(inhalt.prozess));
    return exe.isEmpty() || inhalt.programm.isEmpty() || QFileInfo(exe).fileName() == inhalt.programm;
}

QString löschenBitte(const QString& pfad)
{
    return QStringLiteral(" Bitte löschen Sie „%1“ und starten Sie Zuvora erneut.")
        .arg(QDir::toNativeSeparators(QFileInfo(pfad).absoluteFilePath()));
}

} // namespace

Sperre::~Sperre()
{
    freigeben();
}

void Sperre::freigeben()
{
    if (m_fd < 0)
        return;
    // Only our own file goes: one that has taken its place belongs to someone else.
    struct stat st {};
    if (::lstat(nativ(m_pfad).constData(), &st) == 0 && st.st_dev == m_gerät && st.st_ino == m_knoten)
        ::unlink(nativ(m_pfad).constData());
    ::close(m_fd);
    m_fd = -1;
}

Sperre::Ergebnis Sperre::nehmen(const QString& falldateipfad)
{
    freigeben();
    m_pfad = sperrpfad(falldateipfad);
    for (int versuch = 0; versuch < 5; ++versuch) {
        QString meldung;
        switch (versuchen(meldung)) {
        case Befund::Genommen: return {true, meldung};
        // Nobody can change the case file in a folder we cannot write; the case file itself
        // tells the user so.
        case Befund::KeinRecht: return {};
        case Befund::Besetzt:
        case Befund::Kaputt: return {false, meldung + QStringLiteral(" Das Programm wird beendet.")};
        case Befund::Wiederholen: ::usleep(20000); break;
        }
    }
    return {false, QStringLiteral("Die Sperrdatei „%1“ wechselt ständig; vermutlich wird Zuvora gerade "
                                  "mehrfach gestartet. Das Programm wird beendet.")
                       .arg(QFileInfo(m_pfad).fileName())};
}

Sperre::Ergebnis Sperre::bestätigen()
{
    if (m_pfad.isEmpty())
        return {};
    struct stat st {};
    if (m_fd >= 0 && ::lstat(nativ(m_pfad).constData(), &st) == 0 && st.st_dev == m_gerät &&
        st.st_ino == m_knoten)
        return {};
    // Deleted or replaced while we ran: take it again if it is free.
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    for (int versuch = 0; versuch < 5; ++versuch) {
        QString meldung;
        switch (versuchen(meldung)) {
        case Befund::Genommen:
        case Befund::KeinRecht: return {};
        case Befund::Besetzt:
            return {false, QStringLiteral("Die Sperrdatei „%1“ wurde gelöscht, während Zuvora lief. %2 Die "
                                          "Änderung wurde nicht gespeichert.")
                               .arg(QFileInfo(m_pfad).fileName(), meldung)};
        case Befund::Kaputt:
            return {false, meldung + QStringLiteral(" Die Änderung wurde nicht gespeichert.")};
        case Befund::Wiederholen: ::usleep(20000); break;
        }
    }
    return {false,
            QStringLiteral("Die Sperrdatei „%1“ wechselt ständig. Die Änderung wurde nicht gespeichert.")
                .arg(QFileInfo(m_pfad).fileName())};
}

Sperre::Befund Sperre::versuchen(QString& meldung)
{
    const QByteArray pfad = nativ(m_pfad);
    const int fd = ::open(pfad.constData(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0) {
        const int fehler = errno;
        if (fehler == EEXIST)
            return fremdeSperrePrüfen(meldung);
        if (fehler == EACCES || fehler == EROFS || fehler == EPERM)
            return Befund::KeinRecht;
        meldung =
            QStringLiteral("Die Sperrdatei „%1“ kann nicht angelegt werden: %2 Ein zweites Zuvora, das im "
                           "selben Ordner gestartet wird, würde nicht bemerkt.")
                .arg(QFileInfo(m_pfad).fileName(), systemgrund(fehler));
        return Befund::Genommen;
    }
    // Someone who took the new file for a stale one got there first: look again.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        return Befund::Wiederholen;
    }
    // Readable for the folder's other users whatever the umask: a second start must learn who
    // holds the cases, and the contents are no secret.
    ::fchmod(fd, 0644);
    const QByteArray inhalt = QByteArray::number(qint64(::getpid())) + '\n' + programmname().toUtf8() + '\n' +
                              QSysInfo::machineHostName().toUtf8() + '\n';
    // A lock file left empty by a full disk still works: the flock is what counts.
    (void)!::write(fd, inhalt.constData(), size_t(inhalt.size()));
    struct stat st {};
    ::fstat(fd, &st);
    m_fd = fd;
    m_gerät = st.st_dev;
    m_knoten = st.st_ino;
    return Befund::Genommen;
}

Sperre::Befund Sperre::fremdeSperrePrüfen(QString& meldung)
{
    const QByteArray pfad = nativ(m_pfad);
    const QString name = QFileInfo(m_pfad).fileName();
    const QString gezeigt = QDir::toNativeSeparators(QFileInfo(m_pfad).absoluteFilePath());
    struct stat st {};
    if (::lstat(pfad.constData(), &st) != 0)
        return Befund::Wiederholen;
    const auto wegräumen = [&](int (*entfernen)(const char*)) {
        if (entfernen(pfad.constData()) == 0 || errno == ENOENT)
            return Befund::Wiederholen;
        if (errno == EACCES || errno == EROFS)
            return Befund::KeinRecht;
        meldung = QStringLiteral("Die Sperrdatei „%1“ stammt von keinem laufenden Zuvora, kann aber nicht "
                                 "übernommen werden: %2")
                      .arg(gezeigt, systemgrund(errno)) +
                  löschenBitte(m_pfad);
        return Befund::Kaputt;
    };
    if (S_ISLNK(st.st_mode)) {
        struct stat ziel {};
        if (::stat(pfad.constData(), &ziel) != 0 && errno == ENOENT)
            return wegräumen(::unlink); // a link to nowhere holds nothing
        meldung = QStringLiteral("„%1“ ist eine Verknüpfung auf „%2“, keine Sperrdatei dieses Programms.")
                      .arg(gezeigt, QFile::symLinkTarget(m_pfad)) +
                  löschenBitte(m_pfad);
        return Befund::Kaputt;
    }
    if (S_ISDIR(st.st_mode)) {
        if (::rmdir(pfad.constData()) == 0)
            return Befund::Wiederholen;
        meldung = QStringLiteral("„%1“ ist ein Ordner, keine Sperrdatei dieses Programms.").arg(gezeigt) +
                  löschenBitte(m_pfad);
        return Befund::Kaputt;
    }
    if (!S_ISREG(st.st_mode)) {
        meldung = QStringLiteral("„%1“ ist keine gewöhnliche Datei und damit keine Sperrdatei dieses "
                                 "Programms; sie wird nicht geöffnet.")
                      .arg(gezeigt) +
                  löschenBitte(m_pfad);
        return Befund::Kaputt;
    }

    const int fd = ::open(pfad.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ELOOP)
            return Befund::Wiederholen;
        // Another user's lock that we may not read may well be held: deleting it would let two
        // copies write the same cases.
        if (errno == EACCES && st.st_uid != ::geteuid()) {
            const passwd* p = ::getpwuid(st.st_uid);
            meldung =
                QStringLiteral("Die Fälle im Ordner „%1“ sind vermutlich bereits geöffnet: die Sperrdatei "
                               "„%2“ gehört dem Benutzer „%3“ und darf von Ihnen nicht gelesen werden. Zwei "
                               "Programme würden sich gegenseitig die Änderungen überschreiben. Bitte fragen "
                               "Sie „%3“, ob Zuvora dort noch läuft, und starten Sie Zuvora erst, wenn es "
                               "beendet ist.")
                    .arg(QDir::toNativeSeparators(QFileInfo(m_pfad).absolutePath()), name,
                         p ? QString::fromLocal8Bit(p->pw_name) : QString::number(st.st_uid));
            return Befund::Besetzt;
        }
        meldung = QStringLiteral("Die Sperrdatei „%1“ kann nicht gelesen werden: %2")
                      .arg(gezeigt, systemgrund(errno)) +
                  löschenBitte(m_pfad);
        return Befund::Kaputt;
    }
    struct stat offen {};
    if (::fstat(fd, &offen) != 0 || offen.st_dev != st.st_dev || offen.st_ino != st.st_ino) {
        ::close(fd);
        return Befund::Wiederholen;
    }
    const Inhalt inhalt = auslesen(fd, offen.st_size);
    const QString ordner = QDir::toNativeSeparators(QFileInfo(m_pfad).absolutePath());
    const auto besetzt = [&](bool fremderRechner) {
        ::close(fd);
        meldung = inhalt.gültig ? QStringLiteral("Die Fälle im Ordner „%1“ sind bereits geöffnet: von „%2“ "
                                                 "(Prozess %3) auf dem Rechner „%4“.")
                                      .arg(ordner, inhalt.programm)
                                      .arg(inhalt.prozess)
                                      .arg(inhalt.rechner)
                                : QStringLiteral("Die Fälle im Ordner „%1“ sind bereits in einem anderen "
                                                 "Zuvora geöffnet.")
                                      .arg(ordner);
        meldung +=
            QStringLiteral(" Zwei Programme würden sich gegenseitig die Änderungen überschreiben. Bitte "
                           "arbeiten Sie im bereits geöffneten Programm weiter.");
        if (fremderRechner)
            meldung += QStringLiteral(" Läuft dort kein Zuvora mehr, löschen Sie die Datei „%1“.").arg(name);
        return Befund::Besetzt;
    };
    bool sperrenFehlen = false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK)
            return besetzt(false);
        sperrenFehlen = true; // the file system knows no locks: only the contents can tell
    }
    // Another computer's process cannot be asked from here, whatever its flock says.
    const bool fremderRechner = !inhalt.rechner.isEmpty() && inhalt.rechner != QSysInfo::machineHostName();
    if (inhalt.gültig && (fremderRechner || (sperrenFehlen && prozessLebt(inhalt))))
        return besetzt(fremderRechner);
    // Names no living holder (killed, empty after a power cut, garbled): removed while we hold
    // its flock, and only if it is still the file we looked at.
    struct stat jetzt {};
    Befund befund = Befund::Wiederholen;
    if (::lstat(pfad.constData(), &jetzt) == 0 && jetzt.st_dev == offen.st_dev &&
        jetzt.st_ino == offen.st_ino)
        befund = wegräumen(::unlink);
    ::close(fd);
    return befund;
}
