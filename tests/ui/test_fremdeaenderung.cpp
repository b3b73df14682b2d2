// Someone else changes "atv.txt" or "atvi.txt" while the program runs: every way of
// saving refuses to put the old copy back, says so, and shows the file as it is now.
#include "cases/namensliste.h"
#include "hilfen/fenster.h"
#include "hilfen/jahreszeilen.h"
#include "print/drucksachen.h"
#include "ui/seiten/sozialpanel.h"
#include "ui/textfenster.h"

#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <functional>

namespace {

struct Bearbeitung {
    const char* name;
    std::function<void(Prueffenster&)> vorher; // before the change from outside
    std::function<void(Prueffenster&)> ändern; // the user's edit, answered in advance
    bool brieftext;
};

void PrintTo(const Bearbeitung& b, std::ostream* os)
{
    *os << b.name;
}

const Bearbeitung Bearbeitungen[] = {
    {"tabelleneingabe",
     {},
     [](Prueffenster& f) {
         Tabellenansicht* grid = f.grid();
         const QModelIndex zelle = grid->model()->index(Zeile2010, nr(Spalte::Entgelt));
         grid->scrollTo(zelle);
         QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(zelle).center());
         QTest::keyClicks(grid, QStringLiteral("4711,00"));
         Nachrichten::setzeNächsteAntwort(QMessageBox::No);
         Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
         QTest::keyClick(grid, Qt::Key_Return);
     },
     false},
    {"fallauswahl", [](Prueffenster& f) { f.Bediensteter_Click(); },
     [](Prueffenster& f) {
         Namensliste& liste = f.namensliste();
         liste.setzeAktuelleZelle(Namensliste::fallzeile(3), nr(Listenspalte::Nachname));
         liste.Namensgrid_KeyPress(u'X');
         liste.setzeAktuelleZelle(Namensliste::fallzeile(1), nr(Listenspalte::Fall));
         Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
         EXPECT_FALSE(liste.Namensgrid_Click());
         // The list shows the file now: case 1 with the other's first name, not the edit.
         EXPECT_EQ(liste.modell().text(Namensliste::fallzeile(1), nr(Listenspalte::Vorname)), "Fremd");
         EXPECT_EQ(liste.modell().text(Namensliste::fallzeile(3), nr(Listenspalte::Nachname)), "");
     },
     false},
    {"elternzeit", [](Prueffenster& f) { f.sozialpanel()->öffnen(Jahreszeile::von(2007)); },
     [](Prueffenster& f) {
         Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
         f.sozialpanel()->Übertragen_Click();
     },
     false},
    {"brieftexteditor", [](Prueffenster& f) { f.Blatt_Click(); },
     [](Prueffenster& f) {
         Textfenster* t = f.textbearbeitung().textfenster();
         ASSERT_NE(t, nullptr);
         t->bescheid(1)->setText(QStringLiteral("Meine Überschrift"));
         Nachrichten::setzeNächsteAntwort(QMessageBox::Ok);
         t->Speichern_Click();
         EXPECT_TRUE(t->isVisible());
         EXPECT_EQ(t->bescheid(1)->text().trimmed(), "Fremder Brief");
     },
     true},
};

class FremdeÄnderung : public FensterTest, public ::testing::WithParamInterface<Bearbeitung>
{};

TEST_P(FremdeÄnderung, WirdNichtÜberschriebenSondernGezeigt)
{
    const Bearbeitung& b = GetParam();
    const QString brief = ordner.filePath(QStringLiteral("atvi.txt"));
    // The letter text lives in the current folder.
    const QString zuvor = QDir::currentPath();
    QDir::setCurrent(ordner.path());
    const auto zurück = qScopeGuard([&] { QDir::setCurrent(zuvor); });
    if (b.vorher)
        b.vorher(fenster);
    QByteArray fremd;
    if (b.brieftext) {
        fremd = Brieftext::abbild({QStringLiteral("Fremder Brief")});
        lege(brief, fremd);
    } else {
        fremd = dateibytes();
        fremd.replace(5, 15, QByteArray("Fremd").leftJustified(15, ' '));
        lege(pfad(), fremd);
    }
    Nachrichten::gezeigte().clear();
    b.ändern(fenster);

    const QList<Nachrichten::Gezeigt> gezeigt = Nachrichten::gezeigte();
    ASSERT_FALSE(gezeigt.isEmpty());
    EXPECT_TRUE(gezeigt.back().text.contains("außerhalb des Programms geändert"))
        << gezeigt.back().text.toStdString();
    EXPECT_TRUE(gezeigt.back().text.contains("bitte wiederholen Sie")) << gezeigt.back().text.toStdString();
    EXPECT_EQ(lies(b.brieftext ? brief : pfad()), fremd);
    if (!b.brieftext) {
        EXPECT_EQ(fenster.bediensteter()->text(), "  Fremd Wendler");
    }
}

INSTANTIATE_TEST_SUITE_P(Fenster, FremdeÄnderung, ::testing::ValuesIn(Bearbeitungen),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
