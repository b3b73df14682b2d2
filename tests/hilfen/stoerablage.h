#pragma once

#include "core/dateiablage.h"

#include <QFileDevice>
#include <cerrno>
#include <cstring>

// A file layer that fails one step of the next save, the way a failing disk would: the
// bytes before the fault really reach the file, then the step reports the error. It fails
// once; later saves go through, so tests can check that the program recovers.
class Störablage : public Dateiablage
{
public:
    enum class Schritt {
        Öffnen,
        Schreiben,
        Leeren,
        Synchronisieren,
        Festschreiben,
        OrdnerSynchronisieren,
        Keiner
    };
    enum class Art { KurzesSchreiben, EAFehler, PlatteVoll };

    Störablage(Schritt schritt, Art art, qint64 nachBytes = 0)
        : m_schritt(schritt), m_art(art), m_nachBytes(nachBytes)
    {}

    bool ausgelöst() const { return m_ausgelöst; }

    // The words the user must find in the message for each kind of fault.
    static QString erwarteterGrund(Art art)
    {
        switch (art) {
        case Art::KurzesSchreiben: return QStringLiteral("nicht alles geschrieben");
        case Art::EAFehler: return QStringLiteral("Ein-/Ausgabefehler");
        case Art::PlatteVoll: return QStringLiteral("kein Platz mehr frei");
        }
        return {};
    }

protected:
    bool öffnen(QFileDevice& datei) override
    {
        m_geschrieben = 0;
        if (trifft(Schritt::Öffnen))
            return false;
        return Dateiablage::öffnen(datei);
    }

    qint64 schreiben(QFileDevice& datei, const char* daten, qint64 länge) override
    {
        if (!scharf() || m_schritt != Schritt::Schreiben)
            return Dateiablage::schreiben(datei, daten, länge);
        const qint64 rest = m_nachBytes - m_geschrieben;
        if (rest <= 0) {
            m_ausgelöst = true;
            return m_art == Art::KurzesSchreiben ? 0 : -1;
        }
        const qint64 n = Dateiablage::schreiben(datei, daten, std::min(länge, rest));
        if (n > 0)
            m_geschrieben += n;
        return n;
    }

    bool leeren(QFileDevice& datei) override
    {
        return !trifft(Schritt::Leeren) && Dateiablage::leeren(datei);
    }

    // The data reached the temporary file, but the disk reports that it could not keep them.
    bool synchronisieren(QFileDevice& datei) override
    {
        return !trifft(Schritt::Synchronisieren) && Dateiablage::synchronisieren(datei);
    }

    bool festschreiben(QFileDevice& datei, const QString& ziel) override
    {
        return !trifft(Schritt::Festschreiben) && Dateiablage::festschreiben(datei, ziel);
    }

    // After the rename: the new file is in place, but the folder's entry may not be on the disk.
    int ordnerSynchronisieren(const QString& ordner) override
    {
        if (trifft(Schritt::OrdnerSynchronisieren))
            return m_art == Art::PlatteVoll ? ENOSPC : EIO;
        return Dateiablage::ordnerSynchronisieren(ordner);
    }

    QString grund(const QFileDevice& datei) const override
    {
        if (!m_ausgelöst || m_gemeldet)
            return Dateiablage::grund(datei);
        m_gemeldet = true;
        switch (m_art) {
        case Art::KurzesSchreiben: return {};
        case Art::EAFehler: return systemgrund(QString::fromLocal8Bit(std::strerror(EIO)));
        case Art::PlatteVoll: return systemgrund(QString::fromLocal8Bit(std::strerror(ENOSPC)));
        }
        return {};
    }

private:
    bool scharf() const { return !m_ausgelöst; }
    bool trifft(Schritt schritt)
    {
        if (!scharf() || m_schritt != schritt)
            return false;
        m_ausgelöst = true;
        return true;
    }

    Schritt m_schritt;
    Art m_art;
    qint64 m_nachBytes;
    qint64 m_geschrieben = 0;
    bool m_ausgelöst = false;
    mutable bool m_gemeldet = false;
};
