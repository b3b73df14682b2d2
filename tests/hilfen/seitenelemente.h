#pragma once

#include "ui/seiten/rentenbeginnseite.h"
#include "ui/seiten/sozialpanel.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

// The controls of the input pages, found by their object names and made first if they are not
// yet; a name that finds nothing fails the test.
template <class W> W* element(Eingabeseite& seite, const QString& name)
{
    seite.bereitstellen();
    W* w = seite.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w;
}

struct Panelelemente {
    Sozialpanel& panel;
    QLabel* schrift(int i) const { return element<QLabel>(panel, QStringLiteral("Schrift%1").arg(i)); }
    QComboBox* kinderanzahl1() const { return element<QComboBox>(panel, QStringLiteral("Kinderanzahl1")); }
    QComboBox* kinderanzahl2() const { return element<QComboBox>(panel, QStringLiteral("Kinderanzahl2")); }
    QComboBox* monateanzahl1() const { return element<QComboBox>(panel, QStringLiteral("Monateanzahl1")); }
    QComboBox* monateanzahl2() const { return element<QComboBox>(panel, QStringLiteral("Monateanzahl2")); }
    QPushButton* übertragen() const { return element<QPushButton>(panel, QStringLiteral("Übertragen")); }
    QPushButton* abbrechen() const { return element<QPushButton>(panel, QStringLiteral("Abbrechen")); }
    QWidget* line1() const { return element<QWidget>(panel, QStringLiteral("Line1")); }
};

struct Beginnelemente {
    Rentenbeginnseite& seite;
    QComboBox* rentenbeginn() const { return element<QComboBox>(seite, QStringLiteral("Rentenbeginn")); }
    QDoubleSpinBox* steigerung() const
    {
        return element<QDoubleSpinBox>(seite, QStringLiteral("Steigerung"));
    }
    QLabel* rechnung() const { return element<QLabel>(seite, QStringLiteral("Rechnung")); }
    QPushButton* übernehmen() const { return element<QPushButton>(seite, QStringLiteral("Übernehmen")); }
    QPushButton* abbrechen() const { return element<QPushButton>(seite, QStringLiteral("Abbrechen")); }
};

inline Panelelemente elemente(Sozialpanel& panel)
{
    return {panel};
}

inline Beginnelemente elemente(Rentenbeginnseite& seite)
{
    return {seite};
}
