#include "core/sperre.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

Sperre::Sperre() = default;
Sperre::~Sperre() = default;

bool Sperre::gehalten() const
{
    return m_datei && m_datei->isLocked();
}

Sperre::Ergebnis Sperre::nehmen(const QString& falldateipfad)
{
    const QString pfad = sperrpfad(falldateipfad);
    const QString name = QFileInfo(pfad).fileName();
    m_datei = std::make_unique<QLockFile>(pfad);
    // The lock is held for the whole run, so its age says nothing; only a lock whose process
    // has gone (QLockFile checks that on this computer) is taken over.
    m_datei->setStaleLockTime(0);
    for (int versuch = 0; versuch < 3; ++versuch) {
        if (m_datei->tryLock(0))
            return {};
        switch (m_datei->error()) {
        case QLockFile::NoError:
        case QLockFile::LockFailedError: break;
        case QLockFile::PermissionError:
            // Nobody can change the case file in a folder we cannot write; the case file itself
            // tells the user so.
            return {};
        case QLockFile::UnknownError:
            return {true,
                    QStringLiteral("Die Sperrdatei „%1“ kann nicht angelegt werden. Ein zweites Zuvora, "
                                   "das im selben Ordner gestartet wird, würde nicht bemerkt.")
                        .arg(name)};
        }
        qint64 prozess = 0;
        QString rechner, programm;
        if (!m_datei->getLockInfo(&prozess, &rechner, &programm))
            continue; // released in the meantime: try again
        QString text =
            QStringLiteral("Die Fälle im Ordner „%1“ sind bereits geöffnet: von „%2“ (Prozess %3) auf "
                           "dem Rechner „%4“. Zwei Programme würden sich gegenseitig die Änderungen "
                           "überschreiben. Bitte arbeiten Sie im bereits geöffneten Programm weiter.")
                .arg(QDir::toNativeSeparators(QFileInfo(pfad).absolutePath()), programm)
                .arg(prozess)
                .arg(rechner);
        if (!rechner.isEmpty() && rechner != QSysInfo::machineHostName())
            text += QStringLiteral(" Läuft dort kein Zuvora mehr, löschen Sie die Datei „%1“.").arg(name);
        return {false, text + QStringLiteral(" Das Programm wird beendet.")};
    }
    return {false, QStringLiteral("Die Sperrdatei „%1“ wechselt ständig; vermutlich wird Zuvora gerade "
                                  "mehrfach gestartet. Das Programm wird beendet.")
                       .arg(name)};
}
