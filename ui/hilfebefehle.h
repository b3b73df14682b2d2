#pragma once

#include "hilfe/hilfefenster.h"
#include "hilfe/programminfo.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAbstractItemView;
class QWidget;

// Help, rules and program info of the main window: "Hilfe", F1 in any window of the program,
// "ATV / ATV-K" and "Programm-Info". F1 opens the section of what it is asked about: the
// column of a table under the pointer, else the column of the table's current cell when the
// table has the focus, else the section the focused control or its page names (Hilfe::setzeZiel).
class Hilfebefehle : public QObject
{
public:
    using Angabenquelle = std::function<Programminfo::Angaben()>;

    Hilfebefehle(QWidget* fenster, Angabenquelle angaben);

    // What the program info says of the files in use: `falldatei` and `brieftext` as the
    // program names them (a relative case file counts from the working folder), and whether
    // this program holds the lock.
    static Programminfo::Angaben angaben(const QString& falldatei, const QString& brieftext, bool gesperrt);

    // A table whose columns have sections of their own: `ziel` gives the one of a column.
    void spaltenAnmelden(QAbstractItemView* tabelle, std::function<QString(int spalte)> ziel);

    void hilfe(const QString& ziel);
    void regeln();
    void programminfo();
    // F1: the section for the pointer, else the focus.
    void f1();
    QString f1Ziel() const;

    Hilfefenster* hilfefenster() const { return m_hilfe.data(); }

private:
    struct Spalten {
        QPointer<QAbstractItemView> tabelle;
        std::function<QString(int)> ziel;
    };
    QString spaltenziel(const QWidget* w, const QPoint& global, bool nachFokus) const;

    QWidget* m_fenster;
    Angabenquelle m_angaben;
    QList<Spalten> m_spalten;
    QPointer<Hilfefenster> m_hilfe;
};
