#include "table/zellenauswahl.h"

#include <QScopedValueRollback>

Zellenauswahl::Zellenauswahl(QAbstractItemModel* modell, QObject* parent)
    : QItemSelectionModel(modell, parent)
{}

void Zellenauswahl::setzen(int zeile, int spalte, Ansicht ansicht)
{
    const QScopedValueRollback nächste(m_nächste, ansicht);
    setCurrentIndex(model()->index(zeile, spalte), QItemSelectionModel::ClearAndSelect);
}

void Zellenauswahl::setCurrentIndex(const QModelIndex& index, QItemSelectionModel::SelectionFlags befehl)
{
    const QScopedValueRollback folgen(m_folgen, m_nächste == Ansicht::Folgt);
    QItemSelectionModel::setCurrentIndex(index, befehl);
}
