#include "tabellenansicht.h"

#include "twips.h"
#include "zellenmodell.h"

#include <QHeaderView>
#include <QKeyEvent>

Tabellenansicht::Tabellenansicht(QWidget* parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setWordWrap(false);
    setTabKeyNavigation(false);
    // A grid cell shows its text as far as it fits; it never shortens it with an ellipsis.
    setTextElideMode(Qt::ElideNone);
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(Twips::zuPixel(Standardzeilenhöhe));
    // The model's own backgrounds carry the meaning; a selection colour would hide them.
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #808080; selection-background-color: "
                                 "transparent; selection-color: black; }"
                                 "QTableView::item { padding: 0px 1px; }"));
}

void Tabellenansicht::setzeModell(Zellenmodell* modell)
{
    m_modell = modell;
    setModel(modell);
    connect(modell, &QAbstractItemModel::modelReset, this, &Tabellenansicht::spannenSetzen);
    // A reset forgets the current cell; the program's one comes back after it.
    connect(modell, &QAbstractItemModel::modelReset, this, &Tabellenansicht::aktuelleZelleAnwenden);
    spannenSetzen();
}

void Tabellenansicht::setzeSpaltenbreitenTwips(const QVector<int>& breiten)
{
    for (int spalte = 0; spalte < breiten.size(); ++spalte)
        setColumnWidth(spalte, Twips::zuPixel(breiten[spalte]));
}

void Tabellenansicht::setzeZeilenhöheTwips(int zeile, int twips)
{
    setRowHeight(zeile, Twips::zuPixel(twips));
}

void Tabellenansicht::spannenSetzen()
{
    clearSpans();
    if (!m_modell)
        return;
    const int zeile = m_modell->verbundeneZeile();
    if (zeile < 0 || zeile >= m_modell->rowCount())
        return;
    for (int anfang = 0; anfang < m_modell->columnCount();) {
        int ende = anfang + 1;
        while (ende < m_modell->columnCount() && m_modell->text(zeile, ende) == m_modell->text(zeile, anfang))
            ++ende;
        if (ende - anfang > 1)
            setSpan(zeile, anfang, 1, ende - anfang);
        anfang = ende;
    }
}

void Tabellenansicht::aktuelleZelleZeigen(int zeile, int spalte)
{
    m_zeile = zeile;
    m_spalte = spalte;
    // While a batch rewrites the model, the view must not ask it; the reset at the end does.
    if (m_modell && !m_modell->sammelt())
        aktuelleZelleAnwenden();
}

void Tabellenansicht::aktuelleZelleAnwenden()
{
    if (!m_modell || !m_modell->gültig(m_zeile, m_spalte) ||
        currentIndex() == m_modell->index(m_zeile, m_spalte))
        return;
    const bool rollen = hasAutoScroll();
    setAutoScroll(false);
    setCurrentIndex(m_modell->index(m_zeile, m_spalte));
    setAutoScroll(rollen);
}

void Tabellenansicht::keyPressEvent(QKeyEvent* ereignis)
{
    int code = 0;
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter)
        code = 13;
    else if (ereignis->key() == Qt::Key_Backspace)
        code = 8;
    else if (!ereignis->text().isEmpty() && ereignis->text().front().isPrint())
        code = ereignis->text().front().unicode();
    if (code == 0) {
        QTableView::keyPressEvent(ereignis);
        return;
    }
    ereignis->accept();
    emit tasteGedrueckt(code);
}

void Tabellenansicht::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher)
{
    QTableView::currentChanged(aktuell, vorher);
    if (aktuell.isValid() && (aktuell.row() != m_zeile || aktuell.column() != m_spalte))
        emit zelleGewechselt(aktuell.row(), aktuell.column());
}
