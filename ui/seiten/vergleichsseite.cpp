#include "ui/seiten/vergleichsseite.h"

#include "core/beratung.h"
#include "core/falldatei.h"
#include "core/twips.h"
#include "hilfe/hilfe.h"
#include "print/drucksachen.h"
#include "table/rechentabelle.h"
#include "ui/druckbefehle.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/fenstermasse.h"
#include "ui/platzierung.h"
#include "ui/seiten/diagrammflaeche.h"
#include "ui/seiten/vergleichsangaben.h"
#include "ui/seitenliste.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

using Platzierung::arial;

namespace {

QString prozent(Festkomma wert)
{
    return wert.alsText(2) + QStringLiteral(" %");
}

QScrollArea* rollbar(QWidget* inhalt, const QString& name)
{
    auto* fläche = new QScrollArea;
    fläche->setAccessibleName(name);
    fläche->setWidget(inhalt);
    fläche->setWidgetResizable(true);
    fläche->setFrameShape(QFrame::NoFrame);
    return fläche;
}

QLabel* textfeld(const QString& name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setAccessibleName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    label->setFocusPolicy(Qt::StrongFocus);
    label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    return label;
}

// The comparison as the table shows it: one column a start, one row a figure, all of it
// replaced at once when anything changes.
class Vergleichsmodell : public QAbstractTableModel
{
public:
    using QAbstractTableModel::QAbstractTableModel;
    void setzen(QStringList köpfe, QList<Vergleichstexte::Zeile> zeilen)
    {
        beginResetModel();
        m_köpfe = std::move(köpfe);
        m_zeilen = std::move(zeilen);
        endResetModel();
    }
    int rowCount(const QModelIndex& eltern = {}) const override
    {
        return eltern.isValid() ? 0 : int(m_zeilen.size());
    }
    int columnCount(const QModelIndex& eltern = {}) const override
    {
        return eltern.isValid() ? 0 : int(m_köpfe.size());
    }
    QVariant data(const QModelIndex& index, int rolle) const override
    {
        if (rolle == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (rolle != Qt::DisplayRole && rolle != Qt::AccessibleTextRole)
            return {};
        return m_zeilen.value(index.row()).werte.value(index.column());
    }
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override
    {
        if (rolle != Qt::DisplayRole)
            return {};
        return richtung == Qt::Horizontal ? m_köpfe.value(abschnitt) : m_zeilen.value(abschnitt).bezeichnung;
    }

private:
    QStringList m_köpfe;
    QList<Vergleichstexte::Zeile> m_zeilen;
};

} // namespace

QString Vergleichsseite::erläuterung()
{
    return QStringLiteral(" Die Rentenbeginne mit 63 bis 67 und mit der Regelaltersgrenze nebeneinander, mit "
                          "Hinterbliebenen, Erwerbsminderung und den Abzügen für Kranken- und "
                          "Pflegeversicherung (Alt+L).");
}

Vergleichsseite::Vergleichsseite(const Seitenumgebung& u)
    : Eingabeseite(u.fenster), m_tabelle(u.tabelle), m_drucksachen(u.drucksachen),
      m_druckbefehle(u.druckbefehle), m_erläuterungen(u.erläuterungen)
{
    auto* taste = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_L), u.fenster);
    connect(taste, &QShortcut::activated, this, &Vergleichsseite::öffnen);
    setAccessibleName(QStringLiteral("Vergleich"));
    Hilfe::setzeZiel(this, QStringLiteral("vergleich.html"));
    setAccessibleDescription(erläuterung().trimmed());
    setFont(arial(9.75));
    hide();
}

void Vergleichsseite::bereitstellen()
{
    if (m_reiter)
        return;
    m_überschrift = new QLabel(this);
    m_überschrift->setFont(arial(12, true));
    m_reiter = new QTabWidget(this);
    m_reiter->setObjectName(QStringLiteral("Reiter"));
    m_reiter->setAccessibleName(QStringLiteral("Vergleich, Diagramm, Absicherung und Angaben"));

    auto* vergleich = new QWidget;
    m_vergleich = new QTableView(vergleich);
    m_vergleich->setObjectName(QStringLiteral("Vergleichstabelle"));
    m_vergleich->setModel(new Vergleichsmodell(m_vergleich));
    m_vergleich->setAccessibleName(QStringLiteral("Vergleich der Rentenbeginne"));
    m_vergleich->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_vergleich->setTabKeyNavigation(false);
    m_vergleich->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_vergleich->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_vergleich->verticalHeader()->setDefaultSectionSize(m_vergleich->fontMetrics().height() + 6);
    m_überholungen = textfeld(QStringLiteral("Vorsprung und Annahmen"));
    auto* spalte = new QVBoxLayout(vergleich);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(m_vergleich, 1);
    spalte->addWidget(m_überholungen);
    m_reiter->addTab(vergleich, QStringLiteral("Vergleich"));
    m_diagramm = new Diagrammflaeche;
    m_reiter->addTab(m_diagramm, QStringLiteral("Diagramm"));
    m_absicherung = textfeld(QStringLiteral("Hinterbliebene, Erwerbsminderung und Abzüge"));
    m_reiter->addTab(rollbar(m_absicherung, m_absicherung->accessibleName()),
                     QStringLiteral("Absicherung und Abzüge"));
    // The answers' form is made when its tab is first shown: most openings only look.
    m_angabenfläche = rollbar(new QWidget, QStringLiteral("Angaben und Beitragswerte"));
    m_reiter->addTab(m_angabenfläche, QStringLiteral("Angaben und Beitragswerte"));
    connect(m_reiter, &QTabWidget::currentChanged, this, [this](int reiter) {
        if (reiter == m_reiter->indexOf(m_angabenfläche))
            angabenBereitstellen();
    });

    auto* drucken = new QPushButton(QStringLiteral("Übersicht dr&ucken"), this);
    drucken->setObjectName(QStringLiteral("Übersicht drucken"));
    // The keys act anywhere on the page.
    auto* speichern = Druckbefehle::kontexteintrag(
        {drucken}, QStringLiteral("Übersicht als PDF speichern ..."), QKeySequence(Qt::CTRL | Qt::Key_U), {});
    auto* vorschau = Druckbefehle::kontexteintrag(
        {drucken}, QStringLiteral("Druckvorschau ..."), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U),
        QStringLiteral(
            "Druckvorschau der Übersicht mit den Angaben der Seite, aus der auch gedruckt werden kann "
            "(Strg+Umschalt+U)."));
    for (QAction* eintrag : {speichern, vorschau}) {
        eintrag->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(eintrag);
    }
    auto* übernehmen = new QPushButton(QStringLiteral("Üb&ernehmen"), this);
    übernehmen->setObjectName(QStringLiteral("Übernehmen"));
    übernehmen->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    m_erläuterungen.anmelden(drucken,
                             QStringLiteral(" Druckt die Übersicht dieses Falls mit den Angaben der Seite. "
                                            "Als PDF: Strg+U, Vorschau: Strg+Umschalt+U."));
    m_erläuterungen.anmelden(übernehmen,
                             QStringLiteral(" Speichert die Angaben im Fall und die Beitragswerte in "
                                            "der Falldatei und rechnet die Tabelle neu."));
    m_erläuterungen.anmelden(abbrechen, QStringLiteral(" Zurück zur Tabelle ohne Änderung."));
    m_erläuterungen.anmelden(m_diagramm, QStringLiteral(" ") + m_diagramm->accessibleDescription());

    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(2, 2, 2, 2);
    raster->addWidget(m_überschrift, 0, 0);
    raster->addWidget(drucken, 0, 1);
    raster->addWidget(übernehmen, 0, 2);
    raster->addWidget(abbrechen, 0, 3);
    raster->addWidget(m_reiter, 1, 0, 1, 4);
    raster->setColumnStretch(0, 1);
    setTabOrder(m_reiter, drucken);
    setTabOrder(drucken, übernehmen);
    setTabOrder(übernehmen, abbrechen);
    connect(drucken, &QPushButton::clicked, this, &Vergleichsseite::übersichtDrucken);
    connect(speichern, &QAction::triggered, this, &Vergleichsseite::übersichtSpeichern);
    connect(vorschau, &QAction::triggered, this, &Vergleichsseite::übersichtVorschau);
    connect(übernehmen, &QPushButton::clicked, this, &Vergleichsseite::Übernehmen_Click);
    connect(abbrechen, &QPushButton::clicked, this, &Vergleichsseite::Abbrechen_Click);
}

void Vergleichsseite::öffnen()
{
    bereitstellen();
    // The case as the file holds it now; the page's answers change only its copy.
    m_satz = m_tabelle.datei().lesen(m_tabelle.stand().datensatznummer);
    m_überschrift->setText(überschrift(QStringLiteral("Vergleich"), m_satz));
    m_antworten = m_satz.beratung;
    m_beitragswerte = m_tabelle.datei().beitragswerte();
    if (m_angaben)
        m_angaben->anzeigen(m_antworten, m_beitragswerte, m_tabelle.laufendesJahr());
    neuRechnen();
    // The figures need more room than the short table's place: the page reaches down to the
    // explanation line in whatever layout the window has.
    if (const QLabel* zeile = m_erläuterungen.zeile(); zeile && zeile->parentWidget() == parentWidget())
        resize(width(), std::max(Twips::zuPixel(Fenstermasse::Seitenbereich.height()), zeile->y() - y()));
    emit aufgerufen();
    raise();
    m_reiter->setCurrentIndex(0);
    m_vergleich->setFocus();
}

void Vergleichsseite::angabenBereitstellen()
{
    if (m_angaben)
        return;
    m_angaben = new Vergleichsangaben;
    m_angaben->setObjectName(QStringLiteral("Angaben"));
    m_angaben->anzeigen(m_antworten, m_beitragswerte, m_tabelle.laufendesJahr());
    m_angabenfläche->setWidget(m_angaben);
    connect(m_angaben, &Vergleichsangaben::geaendert, this, [this] {
        m_antworten = m_angaben->angaben();
        m_beitragswerte = m_angaben->werte();
        neuRechnen();
    });
}

void Vergleichsseite::neuRechnen()
{
    Datensatz satz = m_satz;
    satz.beratung = m_antworten;
    const Beratung b = beraten(Fallwerte::aus(satz, m_tabelle.laufendesJahr()), satz.rentenbeginn,
                               satz.beratung, m_beitragswerte);
    tabelleFüllen(b);
    m_diagramm->setzen(diagrammdaten(b, m_tabelle.laufendesJahr()));
    absicherungZeigen(b);
}

void Vergleichsseite::absicherungZeigen(const Beratung& b)
{
    const Beratungsangaben& angaben = m_antworten;
    QStringList absatz;
    absatz << QStringLiteral("<b>Gewählter Beginn %1: %2 im Monat</b>")
                  .arg(Rentenbeginn::bezeichnung(b.gewählt.beginn.wahl),
                       Vergleichstexte::euro(b.gewählt.renteAbBeginn));
    absatz << QStringLiteral(
        "<b>Hinterbliebene</b> (eigenes Einkommen kann angerechnet werden; das ist nicht "
        "berechnet):");
    for (const auto& r : b.hinterbliebene)
        absatz << QStringLiteral("%1 (%2 %): %3")
                      .arg(QString::fromUtf8(r.bezeichnung))
                      .arg(r.prozent)
                      .arg(Vergleichstexte::euro(r.betrag));
    if (const auto& em = b.erwerbsminderung) {
        absatz << QStringLiteral("<b>%1</b> ab %2/%3: %4 Punkte bis dahin + %5 Jahre bis 60 × %6 Punkte = %7 "
                                 "Punkte = %8; Abschlag %9 Monate = %10: %11 im Monat")
                      .arg(angaben.erwerbsminderung == Beratungsangaben::Voll
                               ? QStringLiteral("Rente wegen voller Erwerbsminderung")
                               : QStringLiteral("Rente wegen teilweiser Erwerbsminderung (die Hälfte)"))
                      .arg(angaben.erwerbsminderungMonat, 2, 10, QChar(u'0'))
                      .arg(angaben.erwerbsminderungJahr)
                      .arg(em->punkteBisBeginn.alsText(2))
                      .arg(em->zurechnungsjahre)
                      .arg(em->punkteJeJahr.alsText(2), em->punkte.alsText(2),
                           Vergleichstexte::euro(em->rente))
                      .arg(em->abschlagMonate)
                      .arg(prozent(em->abschlagProzent), Vergleichstexte::euro(em->betrag));
    }
    const Krankenversicherung::Abzüge& a = b.abzüge;
    absatz << QStringLiteral("<b>Nach Kranken- und Pflegeversicherung</b> (%1, Werte %2): brutto %3 − "
                             "Krankenversicherung %4 (%5 auf %6) − Pflegeversicherung %7 (%8 auf %9) = %10. "
                             "Einkommensteuer ist nicht berechnet.")
                  .arg(Krankenversicherung::bezeichnung(angaben.versicherung))
                  .arg(m_beitragswerte.jahr)
                  .arg(Vergleichstexte::euro(a.brutto), Vergleichstexte::euro(a.kranken),
                       prozent(a.krankenSatz), Vergleichstexte::euro(a.krankenGrundlage),
                       Vergleichstexte::euro(a.pflege), prozent(a.pflegeSatz),
                       Vergleichstexte::euro(a.pflegeGrundlage), Vergleichstexte::euro(a.netto));
    m_absicherung->setText(absatz.join(QStringLiteral("<br>")));
}

void Vergleichsseite::tabelleFüllen(const Beratung& b)
{
    QStringList köpfe;
    for (const Vergleich::Spalte& s : b.vergleich.spalten)
        köpfe << Vergleichstexte::spaltenkopf(s);
    static_cast<Vergleichsmodell*>(m_vergleich->model())
        ->setzen(köpfe, Vergleichstexte::tabelle(b.vergleich));
    QStringList texte = Vergleichstexte::überholungen(b.vergleich);
    texte += Vergleichstexte::annahmen(b.vergleich);
    m_überholungen->setText(texte.join(u'\n'));
}

void Vergleichsseite::Übernehmen_Click()
{
    bereitstellen();
    (void)m_tabelle.beratungSpeichern(m_antworten, m_beitragswerte);
    emit beendet();
}

void Vergleichsseite::Abbrechen_Click()
{
    emit beendet();
}

void Vergleichsseite::übersichtDrucken()
{
    (void)m_drucksachen.übersichtdrucken({}, m_antworten, m_beitragswerte);
}

void Vergleichsseite::übersichtSpeichern()
{
    m_druckbefehle.alsPdf(QStringLiteral("Übersicht als PDF speichern"),
                          m_drucksachen.pdfVorschlagÜbersicht(), [this](const QString& ziel) {
                              (void)m_drucksachen.übersichtdrucken(ziel, m_antworten, m_beitragswerte);
                          });
}

void Vergleichsseite::übersichtVorschau()
{
    // What the page shows when the preview opens, also if the page changes meanwhile.
    m_druckbefehle.vorschau(QStringLiteral("Druckvorschau der Übersicht"),
                            [this, angaben = m_antworten, werte = m_beitragswerte](QPrinter& drucker) {
                                return m_drucksachen.übersichtAuf(drucker, angaben, werte);
                            });
}
