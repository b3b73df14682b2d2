// The plain peer of the program's start: the same window content built the way a
// straightforward Qt program would, with stock widgets only. The case is loaded and computed
// by the program's own table code; its 54 x 24 cells are then copied, text, colours, font
// and alignment, into a QTableWidget, and the seven command buttons carry their pictures as
// icons loaded from compiled-in PNG resources.
#include "gewoehnlich.h"

#include "core/arbeitsstand.h"
#include "core/dateiablage.h"
#include "core/falldatei.h"
#include "core/meldungen.h"
#include "table/rechentabelle.h"

#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace {

// Questions are not asked at start-up; a failing file ends the probe.
class StilleMeldungen : public Meldungen
{
public:
    void hinweis(const QString&, const QString&) override {}
    void fehler(const QString&) override { std::_Exit(3); }
    bool frage(const QString&, const QString&) override { return false; }
};

int px(int twips)
{
    return (twips + 7) / 15;
}

QFont arial(qreal punkte, bool fett = false)
{
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(punkte);
    f.setBold(fett);
    return f;
}

class Fenster : public QWidget
{
public:
    Fenster()
    {
        setWindowTitle(QStringLiteral("Berechnung der Rente nach dem Tarifvertrag über die betriebliche "
                                      "Altersversorgung des öffentlichen Dienstes vom 1. März 2002"));
        setWindowIcon(QIcon(QStringLiteral(":/bilder/zuvora.png")));
        setFixedSize(px(14190), px(8640));
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(255, 255, 192));
        setPalette(p);
        setAutoFillBackground(true);
        setFont(arial(14.25));

        struct Knopf {
            const char* text;
            const char* bild;
            int links, breite;
        };
        const Knopf knöpfe[] = {
            {"Programm-Info", "info", 0, 2350},         {"ATV / ATV-K", "atv", 2370, 2235},
            {"Anschreiben", "anschreiben", 4620, 2355}, {"", "blatt", 6990, 705},
            {"Berechnung", "berechnung", 7710, 2505},   {"Hilfe", "hilfe", 10230, 1725},
            {"Schließen", "schliessen", 11970, 2145},
        };
        for (const Knopf& k : knöpfe) {
            auto* b = new QPushButton(QIcon(QStringLiteral(":/bilder/%1.png").arg(QLatin1String(k.bild))),
                                      QString::fromUtf8(k.text), this);
            b->setIconSize(QSize(32, 32));
            b->setFont(arial(12));
            b->setGeometry(px(k.links), 0, px(k.breite), px(615));
        }

        const QColor grün(128, 255, 128);
        label(m_tabelle.bediensteter(), Qt::white, 0, 4605);
        label(QStringLiteral("       Voraussichtliche Zuvora:"), grün, 4590, 4650);
        label(m_tabelle.rentenkopf(), grün, 9240, 2715)->setFont(arial(14.25, true));

        tabelleAnlegen();
    }

    bool geladen() const { return m_geladen; }

private:
    QLabel* label(const QString& text, const QColor& farbe, int links, int breite)
    {
        auto* l = new QLabel(text, this);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, farbe);
        l->setPalette(p);
        l->setGeometry(px(links), px(600), px(breite), px(405));
        return l;
    }

    void tabelleAnlegen()
    {
        const Zellenmodell& m = m_tabelle.modell();
        auto* t = new QTableWidget(m.rowCount(), m.columnCount(), this);
        t->horizontalHeader()->hide();
        t->verticalHeader()->hide();
        t->setFont(m.schrift());
        t->setGeometry(0, px(1005), px(14190 - 60), px(7380));
        const QVector<int> breiten = Rechentabelle::spaltenbreiten(14190 - 60);
        for (int s = 0; s < breiten.size(); ++s)
            t->setColumnWidth(s, px(breiten[s]));
        for (int z = 0; z < m.rowCount(); ++z) {
            t->setRowHeight(z, px(255));
            for (int s = 0; s < m.columnCount(); ++s) {
                const QModelIndex i = m.index(z, s);
                auto* zelle = new QTableWidgetItem(m.data(i).toString());
                for (int rolle :
                     {Qt::BackgroundRole, Qt::ForegroundRole, Qt::FontRole, Qt::TextAlignmentRole})
                    zelle->setData(rolle, m.data(i, rolle));
                t->setItem(z, s, zelle);
            }
        }
        t->setRowHeight(0, px(204));
        // The heading's runs of equal texts as one cell each.
        const int zeile = m.verbundeneZeile();
        for (int s = 0; zeile >= 0 && s < m.columnCount();) {
            int ende = s + 1;
            while (ende < m.columnCount() && m.text(zeile, ende) == m.text(zeile, s))
                ++ende;
            if (ende - s > 1)
                t->setSpan(zeile, s, 1, ende - s);
            s = ende;
        }
    }

    StilleMeldungen m_meldungen;
    Dateiablage m_ablage;
    Arbeitsstand m_stand;
    Falldatei m_datei{m_ablage};
    Rechentabelle m_tabelle{m_stand, m_datei, m_meldungen};
    bool m_geladen = [this] {
        if (!m_datei.öffnen(QStringLiteral("atv.txt")).ok)
            return false;
        m_stand.datensatznummer = 1;
        m_tabelle.datensatzholen();
        m_tabelle.atvberechnen();
        return true;
    }();
};

} // namespace

std::unique_ptr<QWidget> gewöhnlichesFenster()
{
    auto f = std::make_unique<Fenster>();
    if (!f->geladen())
        return nullptr;
    return f;
}
