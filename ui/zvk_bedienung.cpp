// The main window from the keyboard and for screen readers: tab order, shortcuts, the
// focus frame, and the names and descriptions the accessibility interfaces hand out.
#include "ansicht/namensgrid.h"
#include "ansicht/tabellenansicht.h"
#include "ui/erlaeuterungen.h"
#include "ui/klickfilter.h"
#include "ui/rentenbeginnseite.h"
#include "ui/zugang.h"
#include "ui/zvk.h"

#include <QApplication>
#include <QFocusFrame>
#include <QShortcut>
#include <optional>

namespace {

constexpr int Tabellenbreite = 14130; // twips, as designed: the window less 60

// Each column's explanation, as the pointer over the column's middle would show it.
QStringList spaltenbeschreibungen(const QVector<int>& breitenTwips,
                                  std::optional<QString> (*erläuterung)(double xTwips))
{
    QStringList beschreibungen;
    double links = 0;
    for (int breite : breitenTwips) {
        beschreibungen.append(erläuterung(links + breite / 2.0).value_or(QString()).trimmed());
        links += breite;
    }
    return beschreibungen;
}

} // namespace

void ZVK::bedienungEinrichten()
{
    const Werkzeugleiste& l = m_leiste;
    // Tab follows the window's rows from left to right: the toolbar, the name and the
    // button at the end of its row, then the table or what stands in its place.
    const QList<QWidget*> reihe{l.info,  l.atv,       l.bescheid,     l.blatt,      l.berechnung,
                                l.hilfe, l.schließen, m_bediensteter, l.verlängern, m_grid};
    for (qsizetype i = 0; i + 1 < reihe.size(); ++i)
        setTabOrder(reihe[i], reihe[i + 1]);

    // The name label opens the case list on a click, with Enter or Space, and with Alt+F.
    new Klickfilter(m_bediensteter, [this] { Bediensteter_Click(); });
    connect(m_bediensteter, &Namensfeld::aktiviert, this, &ZVK::Bediensteter_Click);
    auto* liste = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F), this);
    connect(liste, &QShortcut::activated, this, &ZVK::Bediensteter_Click);

    // The headline opens the pension start of the case on a click, and with Alt+R.
    new Klickfilter(m_rentenbeschriftung, [this] { m_rentenbeginnseite->öffnen(); });
    new Klickfilter(m_rentenkopf, [this] { m_rentenbeginnseite->öffnen(); });
    auto* beginn = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), this);
    connect(beginn, &QShortcut::activated, m_rentenbeginnseite, &Rentenbeginnseite::öffnen);
    connect(m_rentenbeginnseite, &Rentenbeginnseite::erlaeutern, m_erläuterungen, &QLabel::setText);

    // The style's own focus marks are faint on the coloured controls; a frame in the text
    // colour goes round whatever has the focus.
    // The frame outlives the window's own members while the window closes, and focus
    // changes arrive then too: the slot touches the frame alone.
    auto* rahmen = new QFocusFrame(this);
    connect(qApp, &QApplication::focusChanged, rahmen, [rahmen](QWidget*, QWidget* neu) {
        rahmen->setWidget(neu && neu->window() == rahmen->window() ? neu : nullptr);
        // Above the neighbours, which overlap the name label's edges by design.
        rahmen->raise();
    });

    // What the explanation line shows under the pointer is told to screen readers as the
    // control's description, so that it is heard with the focus as well.
    for (auto it = m_festeErläuterungen.cbegin(); it != m_festeErläuterungen.cend(); ++it)
        if (auto* w = qobject_cast<QWidget*>(it.key()))
            w->setAccessibleDescription(Erlaeuterungen::text(it.value()).trimmed());
    m_bediensteter->beschreibung = [this] {
        return Erlaeuterungen::bediensteter(tabelleSichtbar()).trimmed();
    };

    // Every text of the explanation line reaches screen readers as a description above;
    // the line itself, empty until the pointer moves, would be a nameless label.
    Zugang::alsSchmuck(m_erläuterungen);

    // The headline is one sentence: the caption becomes part of the amount's name.
    Zugang::alsSchmuck(m_rentenbeschriftung);
    const auto kopfNennen = [this](const QString& rente) {
        m_rentenkopf->setAccessibleName(m_rentenbeschriftung->text().trimmed() + u' ' + rente);
    };
    connect(&m_tabelle, &Rechentabelle::rentenkopfGesetzt, m_rentenkopf, kopfNennen);
    m_rentenkopf->setAccessibleDescription((Erlaeuterungen::text(Erlaeuterungen::Element::Rentenkopf) +
                                            Erlaeuterungen::text(Erlaeuterungen::Element::Rentenbeschriftung))
                                               .trimmed() +
                                           QStringLiteral(" Alt+R: Rentenbeginn und Entgeltsteigerung."));

    m_grid->setAccessibleName(QStringLiteral("Berechnungstabelle"));
    m_tabelle.modell().setzeSpaltenbeschreibungen(
        spaltenbeschreibungen(Rechentabelle::spaltenbreiten(Tabellenbreite), &Erlaeuterungen::rechentabelle));
}

void ZVK::fallistenZugang()
{
    setTabOrder(m_grid, m_namensgrid);
    m_namensgrid->setAccessibleName(QStringLiteral("Fallliste"));
    m_namensliste.modell().setzeSpaltenbeschreibungen(
        spaltenbeschreibungen(Namensliste::spaltenbreiten(), &Erlaeuterungen::namensgrid));
}
