#pragma once

#include "core/ergebnis.h"

#include <QKeySequence>
#include <QObject>
#include <functional>
#include <memory>

class Drucksachen;
class Nachrichten;
class QAction;
class QPrinter;
class QWidget;
struct Werkzeugleiste;

// The printouts beyond the direct printing of the two buttons, in the context menus of the
// buttons and their pictures: either printout saved as a PDF file the user names, printer or
// not (Strg+B, Strg+N; the dialog offers the printout's name in the documents folder), and a
// print preview of either (Strg+Umschalt+B, Strg+Umschalt+N) from which it can be printed.
// Strg+P prints the calculation through the print dialog. The printer chosen is kept for the
// run, with the user's settings, also for the previews a page offers.
class Druckbefehle : public QObject
{
public:
    Druckbefehle(QWidget* fenster, const Werkzeugleiste& leiste, Drucksachen& drucksachen,
                 Nachrichten& nachrichten);
    ~Druckbefehle() override;

    // An entry of the context menus of `orte` with its key; the explanation line shows `tipp`
    // while the entry is highlighted.
    static QAction* kontexteintrag(const QList<QWidget*>& orte, const QString& text, QKeySequence taste,
                                   const QString& tipp);

    void berechnungSpeichern();
    void anschreibenSpeichern();
    void berechnungMitDialog();
    void vorschauBerechnung();
    void vorschauAnschreiben();
    // Asks where to save the printout, offering `vorschlag` in the documents folder, and
    // hands the chosen file to `drucken`; nothing when the user cancels.
    void alsPdf(const QString& titel, const QString& vorschlag,
                const std::function<void(const QString&)>& drucken);
    // `drucken` draws the printout on the printer it is given, as often as the preview asks.
    void vorschau(const QString& titel, std::function<Ergebnis(QPrinter&)> drucken);

private:
    QPrinter& drucker();

    QWidget* m_fenster;
    Drucksachen& m_drucksachen;
    Nachrichten& m_nachrichten;
    std::unique_ptr<QPrinter> m_drucker;
};
