#pragma once

#include "ansicht/tabellenansicht.h"
#include "hilfen/dateihilfen.h"
#include "hilfen/prueffenster.h"
#include "ui/nachrichten.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// The main window on a fresh case file, shown offscreen, so that tests can click and type
// into the real widgets.
class FensterTest : public ::testing::Test, protected Fallordner
{
private:
    std::optional<Prueffenster> m_laufend{std::in_place};

protected:
    // A new window takes the place of the old one on a restart, so this name stays valid.
    Prueffenster& fenster = *m_laufend;

    void SetUp() override
    {
        Nachrichten::gezeigte().clear();
        starten();
    }
    void starten()
    {
        ASSERT_TRUE(fenster.Form_Load(pfad()));
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    }
    // Ends the program, its lock on the case file included, and starts it again.
    void neuStarten()
    {
        m_laufend.reset();
        m_laufend.emplace();
        starten();
    }
    QString t(int zeile, int spalte) { return fenster.rechentabelle().modell().text(zeile, spalte); }

    // A toolbar command does `stattdessen` instead of printing or opening a window.
    void befehlErsetzen(QPushButton* knopf, std::function<void()> stattdessen)
    {
        QObject::disconnect(knopf, &QPushButton::clicked, &fenster, nullptr);
        QObject::connect(knopf, &QPushButton::clicked, &fenster, std::move(stattdessen));
    }

    void klick(int zeile, int spalte)
    {
        Tabellenansicht* grid = fenster.grid();
        const QModelIndex index = grid->model()->index(zeile, spalte);
        grid->scrollTo(index);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
    }
};
