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

TEST(Zellenmodell, SammlungMeldetEinmal)
{
    Zellenmodell m(3, 3);
    QSignalSpy geändert(&m, &QAbstractItemModel::dataChanged);
    QSignalSpy zurückgesetzt(&m, &QAbstractItemModel::modelReset);
    {
        Sammlung s(m);
        for (int z = 0; z < 3; ++z)
            m.setzeText(z, 0, QStringLiteral("x"));
    }
    EXPECT_EQ(geändert.count(), 0);
    EXPECT_EQ(zurückgesetzt.count(), 1);
    m.setzeText(0, 0, QStringLiteral("y"));
    EXPECT_EQ(geändert.count(), 1);
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
