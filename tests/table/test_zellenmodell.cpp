#include "table/zellenauswahl.h"
#include "table/zellenmodell.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

TEST(Zellenmodell, BestehtDenModelltester)
{
    Zellenmodell m(5, 3);
    QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::Fatal);
    m.setzeText(1, 1, QStringLiteral("a"));
    m.setzeZeilenzahl(8);
    m.setzeZeilenzahl(2);
    {
        Sammlung s(m);
        m.leeren();
        m.setzeZeilenzahl(6);
        m.setzeText(5, 2, QStringLiteral("b"));
    }
    EXPECT_EQ(m.rowCount(), 6);
    EXPECT_EQ(m.text(5, 2), "b");
}

// A batch tells the views once, over every cell, and without a reset: the current cell
// and the selection stay where they are, also when rows come and go inside it.
TEST(Zellenmodell, SammlungMeldetEinmal)
{
    Zellenmodell m(3, 3);
    Zellenauswahl auswahl(&m);
    auswahl.setzen(1, 2);
    QSignalSpy geändert(&m, &QAbstractItemModel::dataChanged);
    QSignalSpy zurückgesetzt(&m, &QAbstractItemModel::modelReset);
    QSignalSpy neu(&m, &Zellenmodell::neuGeschrieben);
    QSignalSpy gewechselt(&auswahl, &QItemSelectionModel::currentChanged);
    {
        Sammlung s(m);
        for (int z = 0; z < 3; ++z)
            m.setzeText(z, 0, QStringLiteral("x"));
        m.leeren();
        m.setzeZeilenzahl(5);
        EXPECT_EQ(geändert.count(), 0);
    }
    ASSERT_EQ(geändert.count(), 1);
    EXPECT_EQ(geändert[0][0].value<QModelIndex>(), m.index(0, 0));
    EXPECT_EQ(geändert[0][1].value<QModelIndex>(), m.index(4, 2));
    EXPECT_EQ(zurückgesetzt.count(), 0);
    EXPECT_EQ(neu.count(), 1);
    EXPECT_EQ(gewechselt.count(), 0);
    EXPECT_EQ(auswahl.currentIndex(), m.index(1, 2));
    EXPECT_TRUE(auswahl.isSelected(m.index(1, 2)));
    m.setzeText(0, 0, QStringLiteral("y"));
    EXPECT_EQ(geändert.count(), 2);
    EXPECT_EQ(neu.count(), 1);
}

// Only the moves through setCurrentIndex (a view's keys and clicks) and those the program
// makes with Ansicht::Folgt ask a view to scroll; removed rows that push the cell up do not.
TEST(Zellenauswahl, SagtWannDieAnsichtFolgt)
{
    Zellenmodell m(6, 2);
    Zellenauswahl auswahl(&m);
    QList<bool> folgen;
    QObject::connect(&auswahl, &QItemSelectionModel::currentChanged, &auswahl,
                     [&] { folgen.append(auswahl.ansichtFolgt()); });
    auswahl.setzen(5, 1, Zellenauswahl::Ansicht::Bleibt);
    auswahl.setzen(4, 1);
    auswahl.setCurrentIndex(m.index(5, 0), QItemSelectionModel::ClearAndSelect);
    m.setzeZeilenzahl(3);
    EXPECT_EQ(folgen, QList<bool>({false, true, true, false}));
    EXPECT_EQ(auswahl.zeile(), 2);
    EXPECT_EQ(auswahl.spalte(), 0);
    EXPECT_FALSE(auswahl.ansichtFolgt());
}

TEST(Zellenmodell, FesteZellenUndAusrichtung)
{
    Zellenmodell m(3, 3);
    m.setzeFesteBereiche(1, 1);
    m.setzeFarben(Qt::green, Qt::yellow, Qt::darkGreen);
    EXPECT_EQ(m.hintergrund(0, 2), QColor(Qt::yellow));
    EXPECT_EQ(m.hintergrund(2, 0), QColor(Qt::yellow));
    EXPECT_EQ(m.hintergrund(2, 2), QColor(Qt::green));
    m.setzeHintergrund(2, 2, Qt::white);
    EXPECT_EQ(m.hintergrund(2, 2), QColor(Qt::white));
    m.setzeText(1, 1, QStringLiteral("30000,00"));
    m.setzeText(1, 2, QStringLiteral("/12 ="));
    EXPECT_EQ(m.data(m.index(1, 1), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    EXPECT_EQ(m.data(m.index(1, 2), Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    // Cells outside the grid read as empty and ignore writes.
    m.setzeText(7, 7, QStringLiteral("z"));
    EXPECT_EQ(m.text(7, 7), "");
}

} // namespace
