#pragma once

#include "core/ergebnis.h"
#include "print/brieftext.h"

#include <QString>
#include <functional>

class Druckfläche;
class Dateiablage;
class Meldungen;
class Zellenmodell;
struct Arbeitsstand;

// The printouts and the letter text of the main window. Documents go straight to the
// default printer; where there is none they are saved as PDF files in the current folder.
// The calculation prints in landscape and the letter in portrait, each on a job of its own,
// so that neither changes the other's orientation or the printer's default.
//
// The date (dd.MM.yy) and the letter's amount are German whatever the system's locale.
class Drucksachen
{
public:
    Drucksachen(const Zellenmodell& tabelle, const Arbeitsstand& stand, Dateiablage& ablage,
                Meldungen& meldungen);
    virtual ~Drucksachen();

    void berechnungdrucken();
    void Bescheiddrucken();
    Brieftext& brieftext() { return m_brieftext; }
    // The PDF file a printout goes to when there is no printer.
    QString pdfPfad(const QString& art) const;

protected:
    // The name of the default printer, empty when there is none.
    virtual QString standarddrucker() const;

private:
    // Runs `inhalt` on the default printer or, lacking one, into a PDF file; tells the user
    // where a PDF went and why a printout failed.
    void ausgeben(const QString& art, const QString& titel,
                  const std::function<Ergebnis(Druckfläche&)>& inhalt);
    Ergebnis aufDrucker(const QString& name, const QString& titel,
                        const std::function<Ergebnis(Druckfläche&)>& inhalt);
    Ergebnis alsPdf(const QString& pfad, const QString& titel,
                    const std::function<Ergebnis(Druckfläche&)>& inhalt);
    // Draws `inhalt`; the printout chooses its orientation itself.
    Ergebnis füllen(Druckfläche& fläche, const std::function<Ergebnis(Druckfläche&)>& inhalt);
    // The letter text as the file holds it, given the default wording first when it is missing.
    Brieftext::Ergebnis brieftextHolen(QStringList& zeilen);
    QString heute() const;

    const Zellenmodell& m_tabelle;
    const Arbeitsstand& m_stand;
    Dateiablage& m_ablage;
    Meldungen& m_meldungen;
    Brieftext m_brieftext;
};
