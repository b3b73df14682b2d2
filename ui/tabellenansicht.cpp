#include "tabellenansicht.h"

#include "twips.h"
#include "zellenmodell.h"

#include <QHeaderView>

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
