#pragma once

#include <QRect>
#include <functional>

class QLabel;
class QPushButton;
class QWidget;
class Tabellenansicht;

// The main window's measures, in twips as designed, and its three layouts. The window's
// height counts caption and border; the table and what takes its place lie under the
// toolbar, the explanation line under the table.
class Fenstermasse
{
public:
    static constexpr int Fensterbreite = 14190; // client area
    // The window heights of the layouts count the caption and border, which the designed
    // client area of 8640 twips in a window of 9100 leaves for them.
    static constexpr int Rahmenhöhe = 460;
    static constexpr int Tabellenbreite = Fensterbreite - 60;
    static constexpr int Tabellenoben = 1005;
    static constexpr int Normalhöhe = 9100;
    static constexpr int NormaleTabellenhöhe = 7380;
    static constexpr int Kurzhöhe = 5100;
    static constexpr int KurzeTabellenhöhe = 3380;
    // The pages that take the table's place lie where the short table does, clear of the
    // explanation line in every layout.
    static constexpr QRect Seitenbereich{0, Tabellenoben, Tabellenbreite, KurzeTabellenhöhe};
    // The explanation line reaches a little past the window's right edge, as designed.
    static constexpr int Erläuterungsbreite = 14200;
    static constexpr int Erläuterungshöhe = 315;
    // The long layout leaves this much of the screen's height free, and the table this much
    // of the window's.
    static constexpr int LangerRand = 500;
    static constexpr int LangerRahmen = 1400;

    Fenstermasse(QWidget* fenster, Tabellenansicht* tabelle, QLabel* erläuterungen, QPushButton* verlängern);

    // Window height and table height in twips; the explanation line moves directly under the
    // table unless told otherwise (the long layout leaves it, and the table reaches over it).
    void setzen(int fensterhöheTwips, int tabellenhöheTwips, bool erläuterungenVerschieben = true);
    // Normal and short layouts leave the caption of `Verlängern` at "Verlängern", the long
    // layout sets it to "Verkürzen": the caption tells which layout a click will give.
    void normal();
    void kurz();
    void lang();
    bool langGesetzt() const;
    int fensterhöheTwips() const { return m_fensterhöhe; }
    // The screen's height in twips; tests give the window a screen of their own.
    void setzeBildschirmhöhe(std::function<int()> twips) { m_bildschirmhöhe = std::move(twips); }

private:
    void verlängernBeschriften(bool lang);

    QWidget* m_fenster;
    Tabellenansicht* m_tabelle;
    QLabel* m_erläuterungen;
    QPushButton* m_verlängern;
    std::function<int()> m_bildschirmhöhe;
    int m_fensterhöhe = 0;
};
