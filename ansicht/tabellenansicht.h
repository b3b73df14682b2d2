#pragma once

#include <QTableView>
#include <functional>

class Zellenauswahl;
class Zellenmodell;

// Shows a Zellenmodell as a plain grid: no header of Qt's own (the model's first rows are
// the heading), merged cells for the model's joined row, column widths in twips.
//
// The model's fixed rows and columns stay in place while the rest scrolls: views of the
// same model lie over the top rows, the left columns and their corner, each made once the
// grid has scrolled away from it. They take no mouse input; the grid itself resolves a
// point over them to the fixed cell shown there.
//
// The current cell lives in the model's Zellenauswahl, which the grid and its fixed views
// share with the program; the grid scrolls to it when the move asks for that.
class Tabellenansicht : public QTableView
{
    Q_OBJECT
public:
    // The height of a grid row at the grid's 9.75 pt font, in twips.
    static constexpr int Standardzeilenhöhe = 255;

    explicit Tabellenansicht(QWidget* parent = nullptr);

    // Without `auswahl`, the grid keeps its current cell in a selection model of its own.
    void setzeModell(Zellenmodell* modell, Zellenauswahl* auswahl = nullptr);
    void setzeSpaltenbreitenTwips(const QVector<int>& breiten);
    void setzeZeilenhöheTwips(int zeile, int twips);

    QModelIndex indexAt(const QPoint& punkt) const override;
    void scrollTo(const QModelIndex& index, ScrollHint hinweis = EnsureVisible) override;

    // Height of the fixed rows and width of the fixed columns in pixels.
    int festeHöhe() const;
    int festeBreite() const;

signals:
    // Every key that carries a character, as its code; Enter and Backspace as in Taste.
    void zeichenGetippt(int code);
    // F2, which carries no character, as Qt's key code; and the keys that move the current
    // cell, before the grid moves it.
    void funktionstasteGetippt(int taste);

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;

    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void spannenSetzen();
    void markierungFärben();
    // Runs a move of the view's own, by key or mouse, as opposed to one the program makes.
    void eigeneBewegung(const std::function<void()>& bewegung);
    void gerollt();
    QTableView* festenBereichAnlegen();
    QList<QTableView*> festeBereiche() const;
    void festeBereicheAbgleichen();
    void festeBereicheAnordnen();

    Zellenmodell* m_modell = nullptr;
    QTableView* m_festOben = nullptr;
    QTableView* m_festLinks = nullptr;
    QTableView* m_festEcke = nullptr;
    bool m_eigeneBewegung = false;
};
