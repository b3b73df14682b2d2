#pragma once

#include "core/ergebnis.h"

#include <QObject>
#include <functional>
#include <memory>

class Drucksachen;
class QPrinter;
class QWidget;
struct Werkzeugleiste;

// The printouts through Qt's dialogs, beside the direct printing of the two buttons: Strg+P
// prints the calculation through the print dialog, and a print preview shows either printout
// (the buttons' context menu, Strg+Umschalt+B and Strg+Umschalt+N), from which it can be
// printed. The printer chosen is kept for the run, with the user's settings, also for the
// previews a page offers.
class Druckbefehle : public QObject
{
public:
    Druckbefehle(QWidget* fenster, const Werkzeugleiste& leiste, Drucksachen& drucksachen);
    ~Druckbefehle() override;

    void berechnungMitDialog();
    void vorschauBerechnung();
    void vorschauAnschreiben();
    // `drucken` draws the printout on the printer it is given, as often as the preview asks.
    void vorschau(const QString& titel, std::function<Ergebnis(QPrinter&)> drucken);

private:
    QPrinter& drucker();

    QWidget* m_fenster;
    Drucksachen& m_drucksachen;
    std::unique_ptr<QPrinter> m_drucker;
};
