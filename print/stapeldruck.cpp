#include "print/stapeldruck.h"

#include "core/arbeitsstand.h"
#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "core/meldungen.h"
#include "core/sperre.h"
#include "print/drucksachen.h"
#include "table/rechentabelle.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// Messages go to the terminal; a question is answered "Nein", so that nothing is changed.
class Terminalmeldungen : public Meldungen
{
public:
    explicit Terminalmeldungen(QTextStream& aus) : m_aus(aus) {}
    void hinweis(const QString& text, const QString&) override
    {
        if (m_hinweise)
            m_aus << text << '\n';
    }
    void fehler(const QString& text) override
    {
        m_aus << text << '\n';
        m_fehler = true;
    }
    bool frage(const QString& text, const QString&) override
    {
        m_aus << text << " (Antwort ohne Fenster: Nein)\n";
        return false;
    }
    // The note that a PDF was saved is the exit status's to give.
    void hinweiseAus() { m_hinweise = false; }
    bool fehlerGemeldet() const { return m_fehler; }

private:
    QTextStream& m_aus;
    bool m_hinweise = true;
    bool m_fehler = false;
};

} // namespace

namespace Stapeldruck {

int ausführen(const QString& art, int fall, const QString& pdfDatei, QTextStream& fehler,
              const QString& falldatei)
{
    constexpr int Fehlgeschlagen = 1;
    // Without a window no case file is created: the folder must hold one.
    if (const QFileInfo info(falldatei); !info.exists() || info.size() == 0) {
        fehler << QStringLiteral("Im aktuellen Ordner gibt es keine Falldatei „%1“.\n").arg(info.fileName());
        return Fehlgeschlagen;
    }

    Terminalmeldungen meldungen(fehler);
    Sperre sperre;
    if (const Sperre::Ergebnis e = sperre.nehmen(falldatei); !e.ok) {
        fehler << e.meldung << '\n';
        return Fehlgeschlagen;
    } else if (!e.meldung.isEmpty()) {
        fehler << e.meldung << '\n';
    }
    Dateiablage ablage;
    Falldatei fälle(ablage);
    fälle.setzeSperre(&sperre);
    if (const Ergebnis e = fälle.öffnen(falldatei); !e.ok) {
        fehler << e.meldung << '\n';
        return Fehlgeschlagen;
    } else if (!e.meldung.isEmpty()) {
        fehler << e.meldung << '\n';
    }

    Arbeitsstand stand;
    Rechentabelle tabelle(stand, fälle, meldungen);
    stand.datensatznummer = fall;
    tabelle.datensatzholen();
    tabelle.atvberechnen();
    Drucksachen drucksachen(tabelle.modell(), stand, ablage, meldungen);
    drucksachen.setzeNurLesen(true);
    meldungen.hinweiseAus();
    const QString pfad = QFileInfo(pdfDatei).absoluteFilePath();
    const Ergebnis geschrieben = art == QLatin1String("berechnung")    ? drucksachen.berechnungdrucken(pfad)
                                 : art == QLatin1String("anschreiben") ? drucksachen.Bescheiddrucken(pfad)
                                                                       : drucksachen.übersichtdrucken(pfad);
    fehler.flush();
    return geschrieben.ok && !meldungen.fehlerGemeldet() ? 0 : Fehlgeschlagen;
}

} // namespace Stapeldruck
