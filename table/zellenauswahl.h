#pragma once

#include <QItemSelectionModel>

// The current cell of a grid model: the one place it is kept. The program moves it here and
// the views that show the model share it, so the user's moves in a view are the program's
// too. A view brings the current cell into sight when the move asks for it: a view's own
// moves (keys, clicks) always do; the program says so for each move.
class Zellenauswahl : public QItemSelectionModel
{
    Q_OBJECT
public:
    enum class Ansicht {
        Folgt, // the views scroll to the cell
        Bleibt // the views stay where they are, where the user is working
    };

    explicit Zellenauswahl(QAbstractItemModel* modell, QObject* parent = nullptr);

    // -1 when no cell is current.
    int zeile() const { return currentIndex().row(); }
    int spalte() const { return currentIndex().column(); }
    // Makes the cell current and selects it, as a click on it would.
    void setzen(int zeile, int spalte, Ansicht ansicht = Ansicht::Folgt);

    // While the current cell changes: whether the views should scroll to it. Not when the
    // program moves it with Ansicht::Bleibt, nor when removed rows push it up.
    bool ansichtFolgt() const { return m_folgen; }

    void setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags befehl) override;

private:
    bool m_folgen = false;
    Ansicht m_nächste = Ansicht::Folgt;
};
