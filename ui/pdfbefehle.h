#pragma once

#include <QObject>
#include <functional>

class Drucksachen;
class Nachrichten;
struct Werkzeugleiste;

// Either printout saved as a PDF file the user names, whether or not there is a printer:
// from a context menu on the printout's button and its picture, and with Strg+B / Strg+N.
// The dialog offers the printout's name in the documents folder.
class Pdfbefehle : public QObject
{
public:
    Pdfbefehle(QWidget* fenster, const Werkzeugleiste& leiste, Drucksachen& drucksachen,
               Nachrichten& nachrichten);

    void berechnungSpeichern();
    void anschreibenSpeichern();

private:
    void speichern(const QString& titel, const QString& vorschlag,
                   const std::function<void(const QString&)>& drucken);

    Drucksachen& m_drucksachen;
    Nachrichten& m_nachrichten;
};
