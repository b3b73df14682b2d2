// What the user waits for: loading a case, committing a pay edit, choosing a case in the
// list, printing, and, for comparison, a bare save of the case file's size. Two run from the
// user's action to what the user sees: a click on "Berechnung" to the finished PDF, and an
// Enter in a pay cell to the repainted table.
#include "ansicht/tabellenansicht.h"
#include "cases/namensliste.h"
#include "core/fallrechnung.h"
#include "hilfen/prueffenster.h"
#include "print/berechnungsdruck.h"
#include "print/druckaufzeichnung.h"
#include "print/druckerflaeche.h"
#include "table/tabelleneingabe.h"
#include "ui/nachrichten.h"
#include "ui/seiten/vergleichsseite.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Fenster {
    QTemporaryDir ordner;
    Prueffenster zvk;
    Fenster()
    {
        Nachrichten::nurVorbereiteteAntworten(true);
        zvk.Form_Load(ordner.filePath(QStringLiteral("atv.txt")));
        zvk.show();
        QApplication::processEvents();
    }
};

void tippen(Tabelleneingabe& eingabe, const QString& text)
{
    for (QChar z : text) {
        char16_t code = z.unicode();
        eingabe.Grid_KeyPress(code);
    }
}

void BM_FallLaden(benchmark::State& state)
{
    Fenster f;
    for (auto _ : state) {
        f.zvk.rechentabelle().datensatzholen();
        f.zvk.rechentabelle().atvberechnen();
    }
}
BENCHMARK(BM_FallLaden)->Unit(benchmark::kMillisecond);

// The calculation alone, as a comparison of several starts calls it: a case born in 2000 to
// the age of 67, 66 years after 2001, with pay, parental-leave and bonus points.
void BM_Fallrechnung(benchmark::State& state)
{
    Fallwerte werte;
    werte.geburtsjahr = 2000;
    werte.geburtsmonat = 6;
    werte.startgutschrift = Festkomma::ausText(u"12,5");
    for (std::size_t i = 1; i < werte.entgelt.size(); ++i) {
        werte.entgelt[i] = Festkomma::ausRoh(std::int64_t(300000000) + 1371137 * std::int64_t(i));
        werte.elternzeit[i] = Festkomma::ausRoh(i % 7 == 0 ? 12000 : 0);
        werte.bonus[i] = Festkomma::ausRoh(i % 3 == 0 ? 2500 : 0);
    }
    werte.laufendesJahr = 2026;
    if (fallrechnung(werte, 67).jahreszeilen() != 66)
        state.SkipWithError("nicht 66 Jahre");
    for (auto _ : state)
        benchmark::DoNotOptimize(fallrechnung(werte, 67));
}
BENCHMARK(BM_Fallrechnung)->Unit(benchmark::kMillisecond);

void BM_EntgeltFestschreiben(benchmark::State& state)
{
    Fenster f;
    Rechentabelle& tabelle = f.zvk.rechentabelle();
    int k = 0;
    for (auto _ : state) {
        Nachrichten::setzeNächsteAntwort(QMessageBox::No);
        tabelle.setzeAktuelleZelle(Jahreszeile::von(2011), nr(Spalte::Entgelt));
        f.zvk.eingabe().Grid_Click();
        tippen(f.zvk.eingabe(), QStringLiteral("4500%1,50\r").arg(k++ % 10));
    }
}
BENCHMARK(BM_EntgeltFestschreiben)->Unit(benchmark::kMillisecond);

void BM_FallWählen(benchmark::State& state)
{
    Fenster f;
    f.zvk.Bediensteter_Click();
    Namensliste& liste = f.zvk.namensliste();
    int k = 0;
    for (auto _ : state) {
        // A changed name, so that every choice really stores the seven records.
        liste.modell().setzeText(5, nr(Listenspalte::Nachname), QStringLiteral("Name%1").arg(k++ % 10));
        liste.setzeAktuelleZelle(3, nr(Listenspalte::Fall));
        liste.Namensgrid_Click();
    }
}
BENCHMARK(BM_FallWählen)->Unit(benchmark::kMillisecond);

// The page "Vergleich" opened for the first time in a window: its controls made, the six
// starts calculated, and the page laid out and painted.
void BM_VergleichErstesÖffnen(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto f = std::make_unique<Fenster>();
        auto* seite = f->zvk.findChild<Vergleichsseite*>();
        state.ResumeTiming();
        seite->öffnen();
        seite->repaint();
        state.PauseTiming();
        f.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_VergleichErstesÖffnen)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_BerechnungDrucken(benchmark::State& state)
{
    Fenster f;
    const bool alsPdf = state.range(0) == 1;
    for (auto _ : state) {
        if (alsPdf) {
            QBuffer puffer;
            puffer.open(QIODevice::WriteOnly);
            QPdfWriter pdf(&puffer);
            Druckerfläche fläche(pdf, QStringLiteral("PDF"));
            (void)Berechnungsdruck(fläche, f.zvk.rechentabelle().modell(), f.zvk.stand().datensatz,
                                   QStringLiteral("07.12.2026"))
                .berechnungdrucken();
        } else {
            Druckaufzeichnung fläche;
            (void)Berechnungsdruck(fläche, f.zvk.rechentabelle().modell(), f.zvk.stand().datensatz,
                                   QStringLiteral("07.12.2026"))
                .berechnungdrucken();
        }
    }
}
BENCHMARK(BM_BerechnungDrucken)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Counts the paint events of a widget, so that a benchmark can tell it really repainted.
class Zeichenzähler : public QObject
{
public:
    int anzahl = 0;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override
    {
        if (ereignis->type() == QEvent::Paint)
            ++anzahl;
        return QObject::eventFilter(objekt, ereignis);
    }
};

void BM_EnterBisNeugezeichnet(benchmark::State& state)
{
    Fenster f;
    Zeichenzähler zähler;
    f.zvk.grid()->viewport()->installEventFilter(&zähler);
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.zvk.rechentabelle().setzeAktuelleZelle(Jahreszeile::von(2011), nr(Spalte::Entgelt));
        f.zvk.eingabe().Grid_Click();
        tippen(f.zvk.eingabe(), QStringLiteral("4500%1,50").arg(k++ % 10));
        QApplication::processEvents();
        Nachrichten::setzeNächsteAntwort(QMessageBox::No);
        zähler.anzahl = 0;
        state.ResumeTiming();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(f.zvk.grid(), &enter);
        QApplication::processEvents();
        if (zähler.anzahl == 0)
            state.SkipWithError("Die Tabelle wurde nicht neu gezeichnet");
    }
    Nachrichten::gezeigte().clear();
}
BENCHMARK(BM_EnterBisNeugezeichnet)->Unit(benchmark::kMillisecond);

// Strg+V of 50 pays copied from a spreadsheet (0), Strg+Z of that paste (1) and Strg+Y of it
// (2), each from the key to the repainted table. The case runs to 67, so that 50 years fit.
void BM_TasteBisNeugezeichnet(benchmark::State& state)
{
    Fenster f;
    Rechentabelle& tabelle = f.zvk.rechentabelle();
    if (!tabelle.einstellungenSpeichern(Rentenbeginn::SpätestesAlter, Festkomma()).ok)
        state.SkipWithError("Rentenbeginn nicht gespeichert");
    Zeichenzähler zähler;
    f.zvk.grid()->viewport()->installEventFilter(&zähler);
    f.zvk.grid()->setFocus();
    QString spalte;
    for (int j = 1; j < 50; ++j)
        spalte += QStringLiteral("%1.%2,50 €\n").arg(30 + j).arg(100 + j);
    const Qt::Key taste = state.range(0) == 0 ? Qt::Key_V : state.range(0) == 1 ? Qt::Key_Z : Qt::Key_Y;
    int k = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Each round pastes other values, so that every step really changes the file.
        QApplication::clipboard()->setText(QStringLiteral("4%1.000,00\n").arg(k++ % 2) + spalte);
        tabelle.setzeAktuelleZelle(Jahreszeile::von(2002), nr(Spalte::Entgelt));
        if (state.range(0) > 0)
            QTest::keyClick(f.zvk.grid(), Qt::Key_V, Qt::ControlModifier);
        if (state.range(0) > 1)
            QTest::keyClick(f.zvk.grid(), Qt::Key_Z, Qt::ControlModifier);
        QApplication::processEvents();
        zähler.anzahl = 0;
        state.ResumeTiming();
        QTest::keyClick(f.zvk.grid(), taste, Qt::ControlModifier);
        QApplication::processEvents();
        if (zähler.anzahl == 0)
            state.SkipWithError("Die Tabelle wurde nicht neu gezeichnet");
    }
    if (!Nachrichten::gezeigte().isEmpty())
        state.SkipWithError(qPrintable(Nachrichten::gezeigte().constFirst().text));
}
BENCHMARK(BM_TasteBisNeugezeichnet)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Without a printer (main() hides it) the printout is saved as a PDF file in the current folder.
void BM_BerechnungKlickBisPdf(benchmark::State& state)
{
    Fenster f;
    const QString vorher = QDir::currentPath();
    QDir::setCurrent(f.ordner.path());
    QDir ordner(f.ordner.path());
    for (auto _ : state) {
        Nachrichten::setzeNächsteAntwort(QMessageBox::Ok); // the note where the PDF went
        f.zvk.werkzeugleiste().berechnung->click();
        state.PauseTiming();
        const QStringList pdf = ordner.entryList({QStringLiteral("*.pdf")});
        if (pdf.size() != 1 || QFileInfo(ordner.filePath(pdf.front())).size() == 0)
            state.SkipWithError("Keine PDF-Datei");
        QFile::remove(ordner.filePath(pdf.value(0)));
        state.ResumeTiming();
    }
    Nachrichten::gezeigte().clear();
    QDir::setCurrent(vorher);
}
BENCHMARK(BM_BerechnungKlickBisPdf)->Unit(benchmark::kMillisecond);

void BM_BloßesSpeichern(benchmark::State& state)
{
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("atv.txt"));
    QByteArray bild(12271, ' ');
    int k = 0;
    for (auto _ : state) {
        bild[0] = char('0' + k++ % 10);
        QSaveFile datei(pfad);
        datei.open(QIODevice::WriteOnly);
        datei.write(bild);
        datei.commit();
    }
}
BENCHMARK(BM_BloßesSpeichern)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // No printer, whatever the machine has: the printouts go into PDF files.
    qputenv("CUPS_SERVER", "/nonexistent/zuvora-bench-cups.sock");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
