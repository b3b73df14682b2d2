#include "ui/seiten/vergleichsangaben.h"

#include "core/deutsch.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

Vergleichsangaben::Vergleichsangaben(QWidget* eltern) : QWidget(eltern)
{
    auto* seite = this;
    auto* form = new QFormLayout(seite);
    const auto zahl = [seite](int von, int bis) {
        auto* feld = new QSpinBox(seite);
        feld->setRange(von, bis);
        return feld;
    };
    const auto zeile = [&](const QString& text, QWidget* feld, const QString& hilfe) {
        auto* label = new QLabel(text, seite);
        label->setBuddy(feld);
        feld->setAccessibleName(QString(text).remove(u'&').remove(u':').trimmed());
        feld->setObjectName(feld->accessibleName());
        feld->setAccessibleDescription(hilfe);
        feld->setToolTip(hilfe);
        form->addRow(label, feld);
    };
    m_abschlagsmonate =
        zahl(Beratungsangaben::KeineAbschlagsmonate, Beratungsangaben::HöchsteAbschlagsmonate);
    m_abschlagsmonate->setSpecialValueText(QStringLiteral("keine Angabe (ab der Regelaltersgrenze gezählt)"));
    zeile(QStringLiteral("Abschlags&monate laut Rentenauskunft:"), m_abschlagsmonate,
          QStringLiteral(
              "Die Monate, um die die Rentenauskunft den Zugangsfaktor der gesetzlichen Rente für den "
              "gewählten Beginn mindert (0 bis 36), etwa 0 nach 45 Versicherungsjahren. Ohne Angabe "
              "zählt das Programm die Monate vor der Regelaltersgrenze."));
    m_bisAlter = zahl(Beratungsangaben::KleinstesBisAlter, Beratungsangaben::GrößtesBisAlter);
    zeile(QStringLiteral("&Zahlungen summiert bis zum Alter:"), m_bisAlter,
          QStringLiteral(
              "Bis zu diesem Alter werden alle Monatsrenten mit ihrer jährlichen Erhöhung addiert."));
    m_versicherung = new QComboBox(seite);
    for (int art = 0; art < Krankenversicherung::AnzahlArten; ++art)
        m_versicherung->addItem(Krankenversicherung::bezeichnung(Krankenversicherung::Art(art)));
    zeile(QStringLiteral("&Krankenversicherung:"), m_versicherung,
          QStringLiteral("Pflichtversicherte Rentner zahlen auf den Teil über dem Freibetrag, freiwillig "
                         "Versicherte auf den ganzen Betrag, privat Versicherte nichts von dieser Rente."));
    m_kinder = new QCheckBox(QStringLiteral("hat oder hatte Kinder"), seite);
    zeile(QStringLiteral("Kin&der:"), m_kinder,
          QStringLiteral("Ohne Kinder kommt der Zuschlag für Kinderlose hinzu."));
    m_kinderUnter25 = zahl(0, Beratungsangaben::GrößteKinderzahl);
    zeile(QStringLiteral("Kinder unter &25 Jahren:"), m_kinderUnter25,
          QStringLiteral("Ab dem zweiten Kind unter 25 Jahren sinkt der Pflegebeitrag, bis zum fünften."));
    m_altesRecht =
        new QCheckBox(QStringLiteral("Ehe vor 2002, ein Ehegatte vor dem 2.1.1962 geboren"), seite);
    zeile(QStringLiteral("&Witwenrente nach altem Recht:"), m_altesRecht,
          QStringLiteral("Dann beträgt die große Witwen- oder Witwerrente 60 % statt 55 %."));
    m_erwerbsminderung = new QComboBox(seite);
    m_erwerbsminderung->addItems({QStringLiteral("nicht berechnen"), QStringLiteral("volle Erwerbsminderung"),
                                  QStringLiteral("teilweise Erwerbsminderung")});
    zeile(QStringLiteral("Erwerbsminderun&g:"), m_erwerbsminderung,
          QStringLiteral("Berechnet eine Erwerbsminderungsrente ab dem gewählten Monat."));
    m_emJahr = zahl(2002, 2100);
    zeile(QStringLiteral("Eintritt im &Jahr:"), m_emJahr,
          QStringLiteral("Jahr des Eintritts der Erwerbsminderung."));
    m_emMonat = zahl(1, 12);
    zeile(QStringLiteral("Eintritt im M&onat:"), m_emMonat,
          QStringLiteral("Monat des Eintritts der Erwerbsminderung."));
    m_briefzeile = new QCheckBox(QStringLiteral("Betrag nach Kranken- und Pflegeversicherung nennen"), seite);
    zeile(QStringLiteral("Ans&chreiben:"), m_briefzeile,
          QStringLiteral(
              "Das Anschreiben nennt in einer weiteren Zeile den Betrag, der nach den Abzügen bleibt."));
    m_jahr = zahl(2000, 2100);
    zeile(QStringLiteral("Beitragswerte gültig für:"), m_jahr,
          QStringLiteral("Das Jahr, für das die folgenden Beitragswerte gelten."));
    for (std::size_t k = 0; k < Krankenversicherung::felder().size(); ++k) {
        const Krankenversicherung::Beschreibung& b = Krankenversicherung::felder()[k];
        auto* feld = new QDoubleSpinBox(seite);
        feld->setLocale(Deutsch::gebietsschema());
        feld->setDecimals(b.feld == Krankenversicherung::Feld::Freibetrag ? 2 : 3);
        feld->setRange(0, b.feld == Krankenversicherung::Feld::Freibetrag ? 10000 : 100);
        m_werte[k] = feld;
        zeile(QString::fromUtf8(b.bezeichnung) + u':', feld,
              QStringLiteral("Quelle: ") + QString::fromUtf8(b.quelle));
    }
    for (QSpinBox* feld : {m_abschlagsmonate, m_bisAlter, m_kinderUnter25, m_emJahr, m_emMonat, m_jahr})
        connect(feld, &QSpinBox::valueChanged, this, &Vergleichsangaben::melden);
    for (QComboBox* feld : {m_versicherung, m_erwerbsminderung})
        connect(feld, &QComboBox::currentIndexChanged, this, &Vergleichsangaben::melden);
    for (QCheckBox* feld : {m_kinder, m_altesRecht, m_briefzeile})
        connect(feld, &QCheckBox::toggled, this, &Vergleichsangaben::melden);
    for (QDoubleSpinBox* feld : m_werte)
        connect(feld, &QDoubleSpinBox::valueChanged, this, &Vergleichsangaben::melden);
}

void Vergleichsangaben::anzeigen(const Beratungsangaben& a, const Krankenversicherung::Werte& w, int jahr)
{
    m_füllt = true;
    m_abschlagsmonate->setValue(a.abschlagsmonate);
    m_bisAlter->setValue(a.bisAlter);
    m_versicherung->setCurrentIndex(int(a.versicherung));
    m_kinder->setChecked(a.kinder);
    m_kinderUnter25->setValue(a.kinderUnter25);
    m_altesRecht->setChecked(a.altesRecht);
    m_erwerbsminderung->setCurrentIndex(a.erwerbsminderung);
    m_emJahr->setValue(a.erwerbsminderungJahr == 0 ? jahr : a.erwerbsminderungJahr);
    m_emMonat->setValue(a.erwerbsminderungMonat);
    m_briefzeile->setChecked(a.briefzeile);
    m_jahr->setValue(w.jahr);
    for (std::size_t k = 0; k < m_werte.size(); ++k)
        m_werte[k]->setValue(
            double(Krankenversicherung::wert(w, Krankenversicherung::felder()[k].feld).roh()) /
            double(Festkomma::Skala));
    m_füllt = false;
}

Beratungsangaben Vergleichsangaben::angaben() const
{
    Beratungsangaben a;
    a.abschlagsmonate = std::int16_t(m_abschlagsmonate->value());
    a.bisAlter = std::int16_t(m_bisAlter->value());
    a.versicherung = Krankenversicherung::Art(m_versicherung->currentIndex());
    a.kinder = m_kinder->isChecked();
    a.kinderUnter25 = std::int16_t(m_kinderUnter25->value());
    a.altesRecht = m_altesRecht->isChecked();
    a.erwerbsminderung = std::int16_t(m_erwerbsminderung->currentIndex());
    // The year of a disability is kept only while one is asked for, so that trying it out
    // and switching it off again leaves the case as it was.
    if (a.erwerbsminderung != Beratungsangaben::Keine) {
        a.erwerbsminderungJahr = std::int16_t(m_emJahr->value());
        a.erwerbsminderungMonat = std::int16_t(m_emMonat->value());
    }
    a.briefzeile = m_briefzeile->isChecked();
    return a;
}

Krankenversicherung::Werte Vergleichsangaben::werte() const
{
    Krankenversicherung::Werte w;
    w.jahr = m_jahr->value();
    for (std::size_t k = 0; k < m_werte.size(); ++k)
        Krankenversicherung::wert(w, Krankenversicherung::felder()[k].feld) =
            Festkomma::ausDouble(m_werte[k]->value()).wieAngezeigt(m_werte[k]->decimals());
    return w;
}

void Vergleichsangaben::melden()
{
    if (!m_füllt)
        emit geaendert();
}
