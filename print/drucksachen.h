#pragma once

#include "core/beratungsangaben.h"
#include "core/ergebnis.h"
#include "core/festkomma.h"
#include "print/brieftext.h"

#include <QString>
#include <functional>

class Druckfläche;
class QPrinter;
class Dateiablage;
class Meldungen;
class Zellenmodell;
struct Arbeitsstand;

// The printouts and the letter text of the main window. Documents go straight to the
// default printer; where there is none they are saved as PDF files in the current folder.
// Either printout can also be saved as a PDF file the user names, printer or not.
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

    // With a file named, the printout is saved there as PDF instead. The user is told where
    // a PDF went or why the printout failed; the result holds the same message.
    Ergebnis berechnungdrucken(const QString& pdfDatei = {});
    Ergebnis Bescheiddrucken(const QString& pdfDatei = {});
    // The overview: the case's starts side by side, survivors, disability, deductions, chart.
    Ergebnis übersichtdrucken(const QString& pdfDatei = {});
    // Onto a printer the user has chosen, in the print dialog or the print preview; a failure
    // has been told to the user.
    Ergebnis berechnungAuf(QPrinter& drucker);
    Ergebnis anschreibenAuf(QPrinter& drucker);
    // The same with answers and figures not yet stored, as a page shows them.
    Ergebnis übersichtdrucken(const QString& pdfDatei, const Beratungsangaben& angaben,
                              const Krankenversicherung::Werte& werte);
    Ergebnis übersichtAuf(QPrinter& drucker, const Beratungsangaben& angaben,
                          const Krankenversicherung::Werte& werte);
    Brieftext& brieftext() { return m_brieftext; }
    // Printing without a window creates no file but the printout: a missing letter text is
    // not written, the letter takes the default wording.
    void setzeNurLesen(bool nurLesen) { m_nurLesen = nurLesen; }
    // The PDF file a printout goes to when there is no printer.
    QString pdfPfad(const QString& art) const;
    // The name offered when the user saves a printout as PDF: "Berechnung-<Nachname>-<Jahr>.pdf"
    // and "Anschreiben-<Nachname>.pdf", the year being that of the printout's date.
    QString pdfVorschlagBerechnung() const;
    QString pdfVorschlagAnschreiben() const;
    QString pdfVorschlagÜbersicht() const; // "Übersicht-<Nachname>-<Jahr>.pdf"

    // The letter's optional line with the amount left after health and care insurance; empty
    // when the case does not ask for it.
    QString auszahlungszeile() const;

protected:
    // The name of the default printer, empty when there is none.
    virtual QString standarddrucker() const;

private:
    using Inhalt = std::function<Ergebnis(Druckfläche&)>;
    Inhalt berechnung() const;
    // Nothing when the letter text cannot be read; `fehler` then says why.
    Inhalt anschreiben(QString& fehler);
    Inhalt übersicht(const Beratungsangaben& angaben, const Krankenversicherung::Werte& werte) const;
    Ergebnis aufGewähltem(QPrinter& drucker, const QString& titel, const Inhalt& inhalt);
    // Runs `inhalt` into `pdfDatei` if one is named, else on the default printer or, lacking
    // one, into a PDF file. The message says where a PDF went or why the printout failed.
    Ergebnis ausgeben(const QString& art, const QString& titel, const QString& pdfDatei,
                      const std::function<Ergebnis(Druckfläche&)>& inhalt);
    Ergebnis aufDrucker(const QString& name, const QString& titel,
                        const std::function<Ergebnis(Druckfläche&)>& inhalt);
    Ergebnis alsPdf(const QString& pfad, const QString& titel,
                    const std::function<Ergebnis(Druckfläche&)>& inhalt);
    // Shows the outcome of a printout to the user.
    Ergebnis melden(Ergebnis ergebnis);
    QString heute() const;
    // The document's title, as print queues and PDF readers show it:
    // "Berechnung Hedwig Wendler, 07.12.26".
    QString dokumenttitel(const QString& art) const;

    const Zellenmodell& m_tabelle;
    const Arbeitsstand& m_stand;
    Dateiablage& m_ablage;
    Meldungen& m_meldungen;
    Brieftext m_brieftext;
    bool m_nurLesen = false;
};
