#include "ui/druckbefehle.h"

#include "print/drucksachen.h"
#include "ui/symbolbild.h"
#include "ui/werkzeugleiste.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

Druckbefehle::Druckbefehle(QWidget* fenster, const Werkzeugleiste& leiste, Drucksachen& drucksachen)
    : QObject(fenster), m_fenster(fenster), m_drucksachen(drucksachen)
{
    // In the context menus of the buttons and their pictures, under "Als PDF speichern".
    // The explanation line shows an entry's status tip while the entry is highlighted: the
    // button's own text leaves no room for more keys.
    const auto anbieten = [this](QPushButton* knopf, Symbolbild* bild, QKeyCombination taste,
                                 void (Druckbefehle::*befehl)(), const QString& tipp) {
        auto* aktion = new QAction(QStringLiteral("Druckvorschau ..."), knopf);
        aktion->setShortcut(QKeySequence(taste));
        aktion->setStatusTip(tipp);
        connect(aktion, &QAction::triggered, this, befehl);
        for (QWidget* w : {static_cast<QWidget*>(knopf), static_cast<QWidget*>(bild)}) {
            w->addAction(aktion);
            w->setContextMenuPolicy(Qt::ActionsContextMenu);
        }
    };
    anbieten(
        leiste.berechnung, leiste.berechnungBild, Qt::CTRL | Qt::SHIFT | Qt::Key_B,
        &Druckbefehle::vorschauBerechnung,
        QStringLiteral("Druckvorschau der Berechnung, aus der auch gedruckt werden kann (Strg+Umschalt+B). "
                       "Mit dem Druckdialog drucken: Strg+P."));
    anbieten(leiste.bescheid, leiste.bescheidBild, Qt::CTRL | Qt::SHIFT | Qt::Key_N,
             &Druckbefehle::vorschauAnschreiben,
             QStringLiteral(
                 "Druckvorschau des Anschreibens, aus der auch gedruckt werden kann (Strg+Umschalt+N)."));
    auto* mitDialog = new QAction(QStringLiteral("Berechnung drucken ..."), fenster);
    mitDialog->setShortcut(QKeySequence(QKeySequence::Print));
    connect(mitDialog, &QAction::triggered, this, &Druckbefehle::berechnungMitDialog);
    fenster->addAction(mitDialog);
}

Druckbefehle::~Druckbefehle() = default;

QPrinter& Druckbefehle::drucker()
{
    if (!m_drucker)
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_drucker;
}

void Druckbefehle::berechnungMitDialog()
{
    // Not modal to the program: open() returns, and the choice arrives as `accepted`.
    auto* dialog = new QPrintDialog(&drucker(), m_fenster);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Berechnung drucken"));
    dialog->setOption(QAbstractPrintDialog::PrintToFile);
    connect(dialog, &QDialog::accepted, this, [this] { (void)m_drucksachen.berechnungAuf(drucker()); });
    dialog->open();
}

void Druckbefehle::vorschauBerechnung()
{
    vorschau(QStringLiteral("Druckvorschau der Berechnung"),
             [this](QPrinter& p) { return m_drucksachen.berechnungAuf(p); });
}

void Druckbefehle::vorschauAnschreiben()
{
    vorschau(QStringLiteral("Druckvorschau des Anschreibens"),
             [this](QPrinter& p) { return m_drucksachen.anschreibenAuf(p); });
}

void Druckbefehle::vorschau(const QString& titel, std::function<Ergebnis(QPrinter&)> drucken)
{
    auto* dialog = new QPrintPreviewDialog(&drucker(), m_fenster);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(titel);
    dialog->setAccessibleName(titel);
    // The preview draws on a printer of its own, and printing from it on the chosen one.
    connect(dialog, &QPrintPreviewDialog::paintRequested, this,
            [drucken = std::move(drucken)](QPrinter* ziel) { (void)drucken(*ziel); });
    dialog->resize(900, 700);
    dialog->open();
}
