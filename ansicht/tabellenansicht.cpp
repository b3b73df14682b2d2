#include "ansicht/tabellenansicht.h"

#include "ansicht/zellenzeichner.h"
#include "core/twips.h"
#include "table/tasten.h"
#include "table/zellenauswahl.h"
#include "table/zellenmodell.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {

// What the grids draw differently from the application's style: grey grid lines. One for
// every grid; a style sheet would do the same at many times the cost at start-up.
class Gitterstil : public QProxyStyle
{
public:
    int styleHint(StyleHint hinweis, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* antwort) const override
    {
        if (hinweis == SH_Table_GridLineColor)
            return static_cast<int>(qRgb(0x80, 0x80, 0x80));
        return QProxyStyle::styleHint(hinweis, option, widget, antwort);
    }
};

QStyle* gitterstil()
{
    static QPointer<Gitterstil> stil;
    if (!stil) {
        stil = new Gitterstil;
        stil->setParent(qApp);
    }
    return stil;
}

// Sets every colour of the widget's palette, so that none comes from its parent.
void farbenFestlegen(QWidget* w, QPalette farben)
{
    farben.setResolveMask(~QPalette::ResolveMask(0));
    w->setPalette(farben);
}

void ansichtEinrichten(QTableView* v)
{
    v->setStyle(gitterstil());
    v->setItemDelegate(new Zellenzeichner(v));
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    // The narrow operator columns are 15 pixels wide; a hidden header still holds every
    // section to the style's minimum, which would push the last columns out of sight.
    v->horizontalHeader()->setMinimumSectionSize(1);
    v->verticalHeader()->setMinimumSectionSize(1);
    v->verticalHeader()->setDefaultSectionSize(Twips::zuPixel(Tabellenansicht::Standardzeilenhöhe));
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setSelectionBehavior(QAbstractItemView::SelectItems);
    v->setWordWrap(false);
    // A grid cell shows its text as far as it fits; it never shortens it with an ellipsis.
    v->setTextElideMode(Qt::ElideNone);
    v->setTabKeyNavigation(false);
    // Pixel steps keep the fixed views and the grid in line whatever the row heights.
    v->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

} // namespace

Tabellenansicht::Tabellenansicht(QWidget* parent) : QTableView(parent)
{
    ansichtEinrichten(this);
    // The grid shows the application's font and colours, not those of the window it lies in.
    // The model's own backgrounds carry the meaning; a selection colour would hide them.
    // The cells are light whatever the desktop: the grid's own white and black text go with
    // them, also under a dark palette.
    QPalette farben = QApplication::palette(this);
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::Text, Qt::black);
    farben.setBrush(QPalette::Highlight, Qt::transparent);
    farben.setColor(QPalette::HighlightedText, Qt::black);
    farbenFestlegen(this, farben);
    QFont schrift = QApplication::font(this);
    schrift.setResolveMask(QFont::AllPropertiesResolved);
    setFont(schrift);
    // The scroll bars keep the application's selection colour, which a style may show on them.
    for (QScrollBar* leiste : {horizontalScrollBar(), verticalScrollBar()})
        farbenFestlegen(leiste, QApplication::palette(leiste));
}

void Tabellenansicht::setzeModell(Zellenmodell* modell, Zellenauswahl* auswahl)
{
    m_modell = modell;
    setModel(modell);
    if (auswahl) {
        QItemSelectionModel* eigene = selectionModel();
        setSelectionModel(auswahl);
        delete eigene;
    }

    // The fixed views are made when the grid first scrolls the way they guard against:
    // until then the grid shows the fixed cells in their places by itself.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &Tabellenansicht::gerollt);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &Tabellenansicht::gerollt);
    const auto abgleichen = [this] {
        festeBereicheAbgleichen();
        festeBereicheAnordnen();
    };
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, abgleichen);
    connect(verticalHeader(), &QHeaderView::sectionResized, this, abgleichen);
    // The joined row's texts may have changed with a batch.
    connect(modell, &Zellenmodell::neuGeschrieben, this, &Tabellenansicht::spannenSetzen);
    connect(modell, &Zellenmodell::neuGeschrieben, this, abgleichen);
    connect(modell, &QAbstractItemModel::rowsInserted, this, abgleichen);
    connect(modell, &QAbstractItemModel::rowsRemoved, this, abgleichen);
    spannenSetzen();
    abgleichen();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &Tabellenansicht::markierungFärben);
}

void Tabellenansicht::gerollt()
{
    if (!m_modell)
        return;
    const bool senkrecht = verticalScrollBar()->value() != 0 && m_modell->festeZeilen() > 0;
    const bool waagrecht = horizontalScrollBar()->value() != 0 && m_modell->festeSpalten() > 0;
    bool neu = false;
    // The top rows move away when the grid scrolls down, the left columns when it scrolls
    // sideways; their corner only once both have happened.
    if (senkrecht && !m_festOben) {
        m_festOben = festenBereichAnlegen();
        neu = true;
    }
    if (waagrecht && !m_festLinks) {
        m_festLinks = festenBereichAnlegen();
        neu = true;
    }
    if (m_festOben && m_festLinks && !m_festEcke) {
        m_festEcke = festenBereichAnlegen();
        neu = true;
    }
    if (neu) {
        spannenSetzen();
        festeBereicheAbgleichen();
        festeBereicheAnordnen();
        return;
    }
    if (m_festOben)
        m_festOben->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    if (m_festLinks)
        m_festLinks->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

QTableView* Tabellenansicht::festenBereichAnlegen()
{
    auto* v = new QTableView(this);
    ansichtEinrichten(v);
    v->setModel(m_modell);
    v->setSelectionModel(selectionModel());
    v->setFocusPolicy(Qt::NoFocus);
    // The shared current cell must not scroll a fixed view on its own; the grid's scroll
    // bars alone move them.
    v->setAutoScroll(false);
    v->setFrameShape(QFrame::NoFrame);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Clicks and moves pass through to the grid beneath, which knows what lies here.
    v->setAttribute(Qt::WA_TransparentForMouseEvents);
    v->viewport()->setAttribute(Qt::WA_TransparentForMouseEvents);
    v->show();
    return v;
}

QList<QTableView*> Tabellenansicht::festeBereiche() const
{
    QList<QTableView*> bereiche;
    for (QTableView* v : {m_festOben, m_festLinks, m_festEcke})
        if (v)
            bereiche.append(v);
    return bereiche;
}

void Tabellenansicht::festeBereicheAbgleichen()
{
    if (!m_modell)
        return;
    for (QTableView* v : festeBereiche()) {
        v->verticalHeader()->setDefaultSectionSize(verticalHeader()->defaultSectionSize());
        for (int spalte = 0; spalte < m_modell->columnCount(); ++spalte)
            v->setColumnWidth(spalte, columnWidth(spalte));
        for (int zeile = 0; zeile < m_modell->rowCount(); ++zeile)
            if (v->rowHeight(zeile) != rowHeight(zeile))
                v->setRowHeight(zeile, rowHeight(zeile));
    }
    if (m_festOben)
        m_festOben->horizontalScrollBar()->setValue(horizontalScrollBar()->value());
    if (m_festLinks)
        m_festLinks->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

int Tabellenansicht::festeHöhe() const
{
    int höhe = 0;
    for (int zeile = 0; m_modell && zeile < m_modell->festeZeilen(); ++zeile)
        höhe += rowHeight(zeile);
    return höhe;
}

int Tabellenansicht::festeBreite() const
{
    int breite = 0;
    for (int spalte = 0; m_modell && spalte < m_modell->festeSpalten(); ++spalte)
        breite += columnWidth(spalte);
    return breite;
}

void Tabellenansicht::festeBereicheAnordnen()
{
    const QRect innen = viewport()->geometry();
    const int höhe = std::min(festeHöhe(), innen.height());
    const int breite = std::min(festeBreite(), innen.width());
    const auto anordnen = [](QTableView* v, const QRect& ort) {
        if (!v)
            return;
        v->setGeometry(ort);
        v->setVisible(!ort.isEmpty());
        v->raise();
    };
    anordnen(m_festOben, QRect(innen.x(), innen.y(), innen.width(), höhe));
    anordnen(m_festLinks, QRect(innen.x(), innen.y(), breite, innen.height()));
    anordnen(m_festEcke, QRect(innen.x(), innen.y(), breite, höhe));
}

void Tabellenansicht::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    festeBereicheAnordnen();
}

void Tabellenansicht::updateGeometries()
{
    QTableView::updateGeometries();
    festeBereicheAnordnen();
}

QModelIndex Tabellenansicht::indexAt(const QPoint& punkt) const
{
    // Over the fixed rows and columns the cell is found as if the grid were not scrolled.
    QPoint p = punkt;
    if (p.y() < festeHöhe())
        p.ry() -= verticalOffset();
    if (p.x() < festeBreite())
        p.rx() -= horizontalOffset();
    return QTableView::indexAt(p);
}

void Tabellenansicht::scrollTo(const QModelIndex& index, ScrollHint hinweis)
{
    if (!index.isValid() || !m_modell)
        return;
    const bool festeZeile = index.row() < m_modell->festeZeilen();
    const bool festeSpalte = index.column() < m_modell->festeSpalten();
    if (festeZeile && festeSpalte)
        return;
    const int vorherSenkrecht = verticalScrollBar()->value();
    const int vorherWaagrecht = horizontalScrollBar()->value();
    QTableView::scrollTo(index, hinweis);
    // A fixed cell is always in view: it must not scroll the rest away.
    if (festeZeile)
        verticalScrollBar()->setValue(vorherSenkrecht);
    if (festeSpalte)
        horizontalScrollBar()->setValue(vorherWaagrecht);
    // A scrolling cell must come out from under the fixed views.
    if (!festeZeile) {
        const int oben = rowViewportPosition(index.row());
        if (oben < festeHöhe())
            verticalScrollBar()->setValue(verticalScrollBar()->value() - (festeHöhe() - oben));
    }
    if (!festeSpalte) {
        const int links = columnViewportPosition(index.column());
        if (links < festeBreite())
            horizontalScrollBar()->setValue(horizontalScrollBar()->value() - (festeBreite() - links));
    }
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
    QList<QTableView*> ansichten = festeBereiche();
    ansichten.prepend(this);
    for (QTableView* v : ansichten) {
        v->clearSpans();
        if (!m_modell)
            continue;
        const int zeile = m_modell->verbundeneZeile();
        if (zeile < 0 || zeile >= m_modell->rowCount())
            continue;
        for (int anfang = 0; anfang < m_modell->columnCount();) {
            int ende = anfang + 1;
            const QString text = m_modell->text(zeile, anfang);
            while (ende < m_modell->columnCount() && m_modell->text(zeile, ende) == text)
                ++ende;
            if (ende - anfang > 1)
                v->setSpan(zeile, anfang, 1, ende - anfang);
            anfang = ende;
        }
    }
}

void Tabellenansicht::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_F2) {
        ereignis->accept();
        emit funktionstasteGetippt(ereignis->key());
        return;
    }
    if (Taste::bewegt(ereignis->key())) {
        // The program hears a move before the grid makes it (Tab reaches here too, through
        // the view's own tab navigation).
        emit funktionstasteGetippt(ereignis->key());
        eigeneBewegung([&] { QTableView::keyPressEvent(ereignis); });
        return;
    }
    int code = 0;
    if (ereignis->key() == Qt::Key_Return || ereignis->key() == Qt::Key_Enter)
        code = Taste::Eingabe;
    else if (ereignis->key() == Qt::Key_Backspace)
        code = Taste::Rückschritt;
    else if (!ereignis->text().isEmpty() && ereignis->text().front().isPrint())
        code = ereignis->text().front().unicode();
    if (code == 0) {
        eigeneBewegung([&] { QTableView::keyPressEvent(ereignis); });
        return;
    }
    ereignis->accept();
    emit zeichenGetippt(code);
}

void Tabellenansicht::markierungFärben()
{
    // One cell is the current cell, framed; a range shows in a light blue over its cells.
    const QItemSelection auswahl = selectionModel() ? selectionModel()->selection() : QItemSelection();
    const bool bereich =
        auswahl.size() > 1 || (auswahl.size() == 1 && (auswahl[0].width() > 1 || auswahl[0].height() > 1));
    QPalette farben = palette();
    farben.setBrush(QPalette::Highlight, bereich ? QBrush(QColor(190, 215, 255)) : QBrush(Qt::transparent));
    setPalette(farben);
}

void Tabellenansicht::mousePressEvent(QMouseEvent* ereignis)
{
    eigeneBewegung([&] { QTableView::mousePressEvent(ereignis); });
}

void Tabellenansicht::mouseMoveEvent(QMouseEvent* ereignis)
{
    eigeneBewegung([&] { QTableView::mouseMoveEvent(ereignis); });
}

void Tabellenansicht::eigeneBewegung(const std::function<void()>& bewegung)
{
    const QScopedValueRollback selbst(m_eigeneBewegung, true);
    bewegung();
}

void Tabellenansicht::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher)
{
    // A move the program makes (the next year after a commit) starts a new range there:
    // Umschalt+arrows then mark from the cell the user sees, not from the last click.
    if (!m_eigeneBewegung && aktuell.isValid() && selectionMode() == ContiguousSelection) {
        const QScopedValueRollback selbst(m_eigeneBewegung, true);
        setCurrentIndex(aktuell);
    }
    // A move the program makes with Ansicht::Bleibt, or one of removed rows, does not scroll.
    const auto* auswahl = qobject_cast<const Zellenauswahl*>(selectionModel());
    const bool rollen = hasAutoScroll();
    if (auswahl && !auswahl->ansichtFolgt())
        setAutoScroll(false);
    QTableView::currentChanged(aktuell, vorher);
    setAutoScroll(rollen);
}
