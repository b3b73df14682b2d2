#pragma once

#include <QTableView>

class Zellenmodell;

// Shows a Zellenmodell as a plain grid: no header of Qt's own (the model's first rows are
// the heading), merged cells for the model's joined row, column widths in twips.
class Tabellenansicht : public QTableView
{
    Q_OBJECT
public:
    // The height of a grid row at the grid's 9.75 pt font, in twips.
    static constexpr int Standardzeilenhöhe = 255;

    explicit Tabellenansicht(QWidget* parent = nullptr);

    void setzeModell(Zellenmodell* modell);
    void setzeSpaltenbreitenTwips(const QVector<int>& breiten);
    void setzeZeilenhöheTwips(int zeile, int twips);

private:
    void spannenSetzen();
    Zellenmodell* m_modell = nullptr;
};
