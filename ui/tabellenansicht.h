#pragma once

#include <QTableView>

class Zellenmodell;

// Shows a Zellenmodell as a plain grid: no header of Qt's own (the model's first rows are
// the heading), merged cells for the model's joined row, column widths in twips.
//
// The model's fixed rows and columns stay in place while the rest scrolls: views of the
// same model lie over the top rows, the left columns and their corner, each made once the
// grid has scrolled away from it. They take no mouse input; the grid itself resolves a
// point over them to the fixed cell shown there.
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
    // Shows the cell the program made current, without scrolling the view away from
    // where the user is working.
    void aktuelleZelleZeigen(int zeile, int spalte);

    QModelIndex indexAt(const QPoint& punkt) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hinweis = EnsureVisible) override;

    // Height of the fixed rows and width of the fixed columns in pixels.
    int festeHöhe() const;
    int festeBreite() const;

signals:
    // Every key that carries a character, as its code; Enter and Backspace as in Taste.
    void tasteGedrueckt(int code);
    // F2, which carries no character, as Qt's key code.
    void funktionstasteGedrueckt(int taste);
    // The user moved the current cell (mouse or arrow keys).
    void zelleGewechselt(int zeile, int spalte);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;

    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void spannenSetzen();
    void aktuelleZelleAnwenden();
    int m_zeile = -1;
    int m_spalte = -1;
    void gerollt();
    QTableView* festenBereichAnlegen();
    QList<QTableView*> festeBereiche() const;
    void festeBereicheAbgleichen();
    void festeBereicheAnordnen();

    Zellenmodell* m_modell = nullptr;
    QTableView* m_festOben = nullptr;
    QTableView* m_festLinks = nullptr;
    QTableView* m_festEcke = nullptr;
};
