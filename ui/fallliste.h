#pragma once

#include <functional>

class Erlaeuterungszeile;
class Namensgrid;
class Namensliste;
class QWidget;
class Seitenstapel;
class Tabellenansicht;

// The case list in the table's place. Its view is made when the list is first opened, since
// most starts never open it, and it is filled from the case file each time it opens.
class Fallliste
{
public:
    // `gewählt` runs once a case has been chosen in the list and loaded.
    Fallliste(QWidget* fenster, Namensliste& liste, Seitenstapel& seiten, Tabellenansicht* tabelle,
              Erlaeuterungszeile& erläuterungen, std::function<void()> gewählt);

    // Fills the list freshly from the case file and shows it where the table is, as high as
    // the table is now.
    void füllen();
    bool hatFokus() const;

private:
    Namensgrid* anlegen();

    QWidget* m_fenster;
    Namensliste& m_liste;
    Seitenstapel& m_seiten;
    Tabellenansicht* m_tabelle;
    Erlaeuterungszeile& m_erläuterungen;
    std::function<void()> m_gewählt;
    Namensgrid* m_ansicht = nullptr;
};
