#pragma once

#include "core/beratungsangaben.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QSpinBox;

// The answers the comparison depends on, and the year's health and care insurance figures,
// each with its label, its rule as a description and the law as the source. Every change is
// reported at once, so that the comparison shows its effect.
class Vergleichsangaben : public QWidget
{
    Q_OBJECT
public:
    explicit Vergleichsangaben(QWidget* eltern = nullptr);

    // Shows a case's answers and the file's figures; `jahr` is offered for a disability.
    void anzeigen(const Beratungsangaben& angaben, const Krankenversicherung::Werte& werte, int jahr);
    Beratungsangaben angaben() const;
    Krankenversicherung::Werte werte() const;

signals:
    void geaendert();

private:
    void melden();

    bool m_füllt = false;
    QSpinBox* m_abschlagsmonate = nullptr;
    QSpinBox* m_bisAlter = nullptr;
    QComboBox* m_versicherung = nullptr;
    QCheckBox* m_kinder = nullptr;
    QSpinBox* m_kinderUnter25 = nullptr;
    QCheckBox* m_altesRecht = nullptr;
    QComboBox* m_erwerbsminderung = nullptr;
    QSpinBox* m_emJahr = nullptr;
    QSpinBox* m_emMonat = nullptr;
    QCheckBox* m_briefzeile = nullptr;
    QSpinBox* m_jahr = nullptr;
    std::array<QDoubleSpinBox*, Krankenversicherung::AnzahlFelder> m_werte{};
};
