#include "ui/tabellenbefehle.h"

#include "ansicht/tabellenansicht.h"
#include "core/dateiablage.h"
#include "core/tabellentext.h"
#include "table/rechentabelle.h"
#include "table/tabelleneingabe.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/nachrichten.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>

Tabellenbefehle::Tabellenbefehle(Tabellenansicht* grid, Rechentabelle& tabelle, Tabelleneingabe& eingabe,
                                 Nachrichten& nachrichten, Dateiablage& ablage,
                                 Erlaeuterungszeile& erläuterungen)
    : QObject(grid), m_tabelle(tabelle), m_eingabe(eingabe), m_nachrichten(nachrichten), m_ablage(ablage)
{
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    const auto neu = [&](const QString& text, const QList<QKeySequence>& tasten, const QString& erklärung,
                         auto wirkung) {
        connect(befehl(grid, erläuterungen, text, tasten, erklärung), &QAction::triggered, this, wirkung);
    };
    neu(QStringLiteral("Kopieren"), {QKeySequence::Copy},
        QStringLiteral("Strg+C kopiert die markierten Zellen für eine Tabellenkalkulation (Umschalt+Pfeile "
                       "markieren)."),
        [this] { QApplication::clipboard()->setText(m_eingabe.kopieren()); });
    neu(QStringLiteral("Einfügen"), {QKeySequence::Paste},
        QStringLiteral("Strg+V fügt Entgelte oder Bonuspunkte ab der aktuellen Zelle abwärts ein, eine Zahl "
                       "je Zeile."),
        [this] { m_eingabe.einfügen(QApplication::clipboard()->text()); });
    neu(QStringLiteral("Alle Jahre markieren"), {QKeySequence::SelectAll},
        QStringLiteral("Strg+A markiert alle Jahreszeilen."), [this] { m_eingabe.alleJahreWählen(); });
    neu(QStringLiteral("Rückgängig"), {QKeySequence(Qt::CTRL | Qt::Key_Z)},
        QStringLiteral("Strg+Z nimmt die letzte gespeicherte Änderung des Falls zurück."),
        &Tabellenbefehle::rückgängig);
    neu(QStringLiteral("Wiederholen"),
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        QStringLiteral("Strg+Y oder Strg+Umschalt+Z stellt die zurückgenommene Änderung wieder her."),
        &Tabellenbefehle::wiederholen);
    neu(QStringLiteral("Tabelle als CSV speichern ..."), {QKeySequence(Qt::CTRL | Qt::Key_E)},
        QStringLiteral("Strg+E speichert die ganze Tabelle als CSV-Datei für LibreOffice Calc oder Excel."),
        &Tabellenbefehle::alsCsvSpeichern);
    neu(QStringLiteral("Entgelte aus CSV übernehmen ..."), {QKeySequence(Qt::CTRL | Qt::Key_I)},
        QStringLiteral("Strg+I liest Zeilen „Jahr;Entgelt;Bonuspunkte“ aus einer CSV-Datei und zeigt vor "
                       "dem Übernehmen, was sich ändert."),
        &Tabellenbefehle::entgelteÜbernehmen);
}

QAction* Tabellenbefehle::befehl(QWidget* grid, Erlaeuterungszeile& erläuterungen, const QString& text,
                                 const QList<QKeySequence>& tasten, const QString& erklärung)
{
    auto* aktion = new QAction(text, grid);
    aktion->setShortcuts(tasten);
    aktion->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    aktion->setStatusTip(erklärung);
    aktion->setToolTip(erklärung);
    QObject::connect(aktion, &QAction::hovered, &erläuterungen,
                     [&erläuterungen, erklärung] { erläuterungen.zeigen(QStringLiteral(" ") + erklärung); });
    grid->addAction(aktion);
    grid->setContextMenuPolicy(Qt::ActionsContextMenu);
    return aktion;
}

void Tabellenbefehle::rückgängig()
{
    // While typing, the first Strg+Z drops what was typed.
    if (!m_eingabe.abbrechen())
        m_tabelle.verlauf().undo();
}

void Tabellenbefehle::wiederholen()
{
    m_eingabe.abbrechen();
    m_tabelle.verlauf().redo();
}

void Tabellenbefehle::alsCsvSpeichern()
{
    const QString vorschlag =
        QDir(Nachrichten::dokumentenordner())
            .filePath(QStringLiteral("Zuvora %1.csv").arg(m_tabelle.stand().nameFürDatei()));
    const QString ziel =
        m_nachrichten.datei(QStringLiteral("Tabelle als CSV speichern"), vorschlag,
                            QStringLiteral("CSV-Dateien (*.csv)"), QStringLiteral("csv"), true);
    if (ziel.isEmpty())
        return;
    const Ergebnis gespeichert = m_ablage.ersetzen(ziel, Tabellentext::alsCsv(m_eingabe.alsTabellentext()));
    if (!gespeichert.ok)
        m_nachrichten.fehler(gespeichert.meldung);
}

void Tabellenbefehle::entgelteÜbernehmen()
{
    m_eingabe.abbrechen();
    const QString titel = QStringLiteral("Entgelte aus CSV übernehmen");
    const QString pfad =
        m_nachrichten.datei(titel, Nachrichten::dokumentenordner(),
                            QStringLiteral("CSV-Dateien (*.csv *.txt);;Alle Dateien (*)"), QString(), false);
    if (pfad.isEmpty())
        return;
    // A pay file of a hundred years is a few kilobytes; a megabyte is no pay file.
    const Dateiinhalt inhalt = dateiLesen(pfad, 1 << 20);
    if (inhalt.befund != Dateiinhalt::Befund::Gelesen) {
        m_nachrichten.fehler(inhalt.befund == Dateiinhalt::Befund::Fehler
                                 ? inhalt.grund
                                 : QStringLiteral("„%1“ ist keine Entgeltdatei.").arg(pfad));
        return;
    }
    const auto [erstes, letztes] = m_eingabe.eingabejahre();
    const Tabellentext::Entgeltdatei datei = Tabellentext::entgelteLesen(inhalt.bytes, erstes, letztes);
    bool ändert = false;
    const QString vorschau = m_eingabe.übernahmeVorschau(datei, ändert);
    if (!ändert) {
        m_nachrichten.hinweis(vorschau, titel);
        return;
    }
    if (m_nachrichten.vorschau(titel,
                               QStringLiteral("Was „%1“ in der Tabelle ändert; übernommen wird es erst mit "
                                              "„Übernehmen“:")
                                   .arg(QFileInfo(pfad).fileName()),
                               vorschau, QStringLiteral("Übernehmen")))
        m_eingabe.übernehmen(datei);
}
