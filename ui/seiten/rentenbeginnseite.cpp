#include "ui/seiten/rentenbeginnseite.h"

#include "core/deutsch.h"
#include "core/falldatei.h"
#include "core/fallrechnung.h"
#include "hilfe/hilfe.h"
#include "table/rechentabelle.h"
#include "ui/ereignisfilter.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/platzierung.h"
#include "ui/seitenliste.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

using Platzierung::arial;

namespace {

QLabel* erklärung(const QString& text, QWidget* eltern)
{
    auto* label = new QLabel(text, eltern);
    label->setWordWrap(true);
    label->setFont(arial(9.75));
    return label;
}

QString prozent(Festkomma wert)
{
    return wert.alsText(1) + QStringLiteral(" %");
}

} // namespace

QString Rentenbeginnseite::rentenbeginnErläuterung()
{
    return QStringLiteral(
        " Die Zusatzversorgung beginnt mit der Regelaltersgrenze der gesetzlichen Rente (65 Jahre bis zum "
        "Jahrgang 1946, dann schrittweise bis 67 Jahre ab dem Jahrgang 1964). Für jeden Monat eines früheren "
        "Beginns wird die Rente um 0,3 % gemindert, höchstens um 10,8 %. \"mit 65\" rechnet wie bisher bis "
        "zum 65. Lebensjahr ohne Abschlag.");
}

QString Rentenbeginnseite::steigerungErläuterung()
{
    return QStringLiteral(" Wird ein Jahresentgelt in die Folgejahre vorgetragen, wächst es mit diesem Satz "
                          "jedes Jahr, auf den "
                          "Cent gerundet. Bei 0 % wird es unverändert vorgetragen.");
}

Rentenbeginnseite::Rentenbeginnseite(const Seitenumgebung& u)
    : Eingabeseite(u.fenster), m_tabelle(u.tabelle), m_erläuterungen(u.erläuterungen)
{
    // Opens from the headline, with a click on it, and with Alt+R.
    for (QWidget* kopf : u.kopf)
        new Klickfilter(kopf, [this] { öffnen(); });
    m_taste = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_R), u.fenster);
    connect(m_taste, &QShortcut::activated, this, &Rentenbeginnseite::öffnen);
    setAccessibleName(QStringLiteral("Rentenbeginn und Entgeltsteigerung"));
    Hilfe::setzeZiel(this, QStringLiteral("rentenbeginn.html"));
    setFont(arial(12));
    hide();
}

void Rentenbeginnseite::bereitstellen()
{
    if (m_rentenbeginn)
        return;
    m_überschrift = new QLabel(this);
    m_überschrift->setFont(arial(12, true));

    m_rentenbeginn = new QComboBox(this);
    m_rentenbeginn->setObjectName(QStringLiteral("Rentenbeginn"));
    m_rentenbeginn->addItem(QStringLiteral("mit 65 (wie bisher, ohne Abschlag)"), Rentenbeginn::Mit65);
    m_rentenbeginn->addItem(QStringLiteral("mit der Regelaltersgrenze"), Rentenbeginn::Regelaltersgrenze);
    for (int alter = Rentenbeginn::FrühestesAlter; alter <= Rentenbeginn::SpätestesAlter; ++alter)
        m_rentenbeginn->addItem(QStringLiteral("mit %1 Jahren").arg(alter), alter);
    auto* beginnText = new QLabel(QStringLiteral("&Rentenbeginn:"), this);
    beginnText->setBuddy(m_rentenbeginn);
    m_rentenbeginn->setAccessibleName(QStringLiteral("Rentenbeginn"));
    m_rechnung = erklärung(QString(), this);
    m_rechnung->setObjectName(QStringLiteral("Rechnung"));

    m_steigerung = new QDoubleSpinBox(this);
    m_steigerung->setObjectName(QStringLiteral("Steigerung"));
    m_steigerung->setLocale(Deutsch::gebietsschema());
    m_steigerung->setRange(0, 10);
    m_steigerung->setDecimals(2);
    m_steigerung->setSingleStep(0.5);
    m_steigerung->setSuffix(QStringLiteral(" % je Jahr"));
    auto* steigerungText = new QLabel(QStringLiteral("Steigerun&g der Entgelte beim Vortragen:"), this);
    steigerungText->setBuddy(m_steigerung);
    m_steigerung->setAccessibleName(QStringLiteral("Steigerung der Entgelte beim Vortragen"));

    m_übernehmen = new QPushButton(QStringLiteral("Üb&ernehmen"), this);
    m_übernehmen->setObjectName(QStringLiteral("Übernehmen"));
    m_übernehmen->setDefault(true);
    m_übernehmen->setAccessibleDescription(
        QStringLiteral("Speichert Rentenbeginn und Steigerung im Fall und rechnet neu."));
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    m_abbrechen->setObjectName(QStringLiteral("Abbrechen"));
    m_abbrechen->setAccessibleDescription(QStringLiteral("Zurück zur Tabelle ohne Änderung."));

    auto* raster = new QGridLayout(this);
    raster->addWidget(m_überschrift, 0, 0, 1, 2);
    raster->addWidget(beginnText, 1, 0);
    raster->addWidget(m_rentenbeginn, 1, 1);
    raster->addWidget(m_rechnung, 2, 1);
    raster->addWidget(steigerungText, 3, 0);
    raster->addWidget(m_steigerung, 3, 1);
    raster->addWidget(erklärung(steigerungErläuterung().trimmed(), this), 4, 1);
    auto* knöpfe = new QHBoxLayout;
    knöpfe->addStretch();
    knöpfe->addWidget(m_übernehmen);
    knöpfe->addWidget(m_abbrechen);
    raster->addLayout(knöpfe, 5, 0, 1, 2);
    raster->setRowStretch(6, 1);
    raster->setColumnStretch(1, 1);
    setTabOrder(m_rentenbeginn, m_steigerung);
    setTabOrder(m_steigerung, m_übernehmen);
    setTabOrder(m_übernehmen, m_abbrechen);

    m_erläuterungen.anmelden(m_rentenbeginn, rentenbeginnErläuterung());
    m_erläuterungen.anmelden(m_steigerung, steigerungErläuterung());
    connect(m_rentenbeginn, &QComboBox::currentIndexChanged, this, &Rentenbeginnseite::rechnungZeigen);
    connect(m_übernehmen, &QPushButton::clicked, this, &Rentenbeginnseite::Übernehmen_Click);
    connect(m_abbrechen, &QPushButton::clicked, this, &Rentenbeginnseite::Abbrechen_Click);
}

int Rentenbeginnseite::gewählt() const
{
    return m_rentenbeginn->currentData().toInt();
}

void Rentenbeginnseite::öffnen()
{
    bereitstellen();
    // The case as the file holds it now; each choice on the page is calculated from it.
    m_satz = m_tabelle.datei().lesen(m_tabelle.stand().datensatznummer);
    m_überschrift->setText(überschrift(QStringLiteral("Rentenbeginn und Entgeltsteigerung"), m_satz));
    m_rentenbeginn->setCurrentIndex(
        m_rentenbeginn->findData(Rentenbeginn::wirksam(m_satz.rentenbeginn, rechengeburtsjahr(m_satz))));
    m_steigerung->setValue(double(m_satz.steigerung.roh()) / double(Festkomma::Skala));
    rechnungZeigen();
    emit aufgerufen();
    raise();
    m_rentenbeginn->setFocus();
}

void Rentenbeginnseite::rechnungZeigen()
{
    const Fallrechnung h = fallrechnung(Fallwerte::aus(m_satz, m_tabelle.laufendesJahr()), gewählt());
    if (!h.darstellbar) {
        m_rechnung->setText(
            QStringLiteral("Für das Geburtsjahr %1 rechnet das Programm nicht.").arg(h.geburtsjahr));
        return;
    }
    const Rentenbeginn::Beginn& b = h.beginn;
    QString text = QStringLiteral("Regelaltersgrenze für den Jahrgang %1: %2. ")
                       .arg(h.geburtsjahr)
                       .arg(Rentenbeginn::alterText(b.regelalter));
    if (b.abschlagMonate > 0)
        text +=
            QStringLiteral("Beginn %1 Monate früher: Abschlag %1 x 0,3 % = %2, höchstens 10,8 %, also %3. ")
                .arg(b.abschlagMonate)
                .arg(prozent(b.abschlagOhneGrenze), prozent(b.abschlagProzent));
    else if (b.wieBisher())
        text += QStringLiteral("Berechnet wird wie bisher bis zum 65. Lebensjahr, ohne Abschlag. ");
    else
        text += QStringLiteral("Kein Abschlag. ");
    text += QStringLiteral("Die Tabelle reicht bis %1.").arg(b.letztesJahr);
    m_rechnung->setText(text);
}

void Rentenbeginnseite::Übernehmen_Click()
{
    bereitstellen();
    const Festkomma steigerung = Festkomma::ausDouble(m_steigerung->value()).wieAngezeigt(2);
    // The page ends either way: a refusal has been shown, and the table shows the case as the
    // file holds it.
    (void)m_tabelle.einstellungenSpeichern(gewählt(), steigerung);
    emit beendet();
}

void Rentenbeginnseite::Abbrechen_Click()
{
    emit beendet();
}

void Rentenbeginnseite::showEvent(QShowEvent* ereignis)
{
    m_taste->setEnabled(false);
    Eingabeseite::showEvent(ereignis);
}

void Rentenbeginnseite::hideEvent(QHideEvent* ereignis)
{
    m_taste->setEnabled(true);
    Eingabeseite::hideEvent(ereignis);
}
