#include "ui/druckbefehle.h"

#include "print/drucksachen.h"
#include "ui/nachrichten.h"
#include "ui/symbolbild.h"
#include "ui/werkzeugleiste.h"

#include <QAction>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>

Druckbefehle::Druckbefehle(QWidget* fenster, const Werkzeugleiste& leiste, Drucksachen& drucksachen,
                           Nachrichten& nachrichten)
    : QObject(fenster), m_fenster(fenster), m_drucksachen(drucksachen), m_nachrichten(nachrichten)
{
    // The button's own explanation leaves no room for more keys: each entry explains itself.
    const auto anbieten = [this](QWidget* knopf, QWidget* bild, Qt::Key taste,
                                 void (Druckbefehle::*speichern)(), void (Druckbefehle::*vorschau)(),
                                 const QString& vorschautipp) {
        const QKeySequence alsPdf(Qt::CTRL | taste);
        connect(kontexteintrag({knopf, bild}, QStringLiteral("Als PDF speichern ..."), alsPdf,
                               QStringLiteral("Als PDF-Datei speichern, mit oder ohne Drucker (%1).")
                                   .arg(alsPdf.toString(QKeySequence::NativeText))),
                &QAction::triggered, this, speichern);
        connect(kontexteintrag({knopf, bild}, QStringLiteral("Druckvorschau ..."),
                               QKeySequence(Qt::CTRL | Qt::SHIFT | taste), vorschautipp),
                &QAction::triggered, this, vorschau);
    };
    anbieten(
        leiste.berechnung, leiste.berechnungBild, Qt::Key_B, &Druckbefehle::berechnungSpeichern,
        &Druckbefehle::vorschauBerechnung,
        QStringLiteral("Druckvorschau der Berechnung, aus der auch gedruckt werden kann (Strg+Umschalt+B). "
                       "Mit dem Druckdialog drucken: Strg+P."));
    anbieten(leiste.bescheid, leiste.bescheidBild, Qt::Key_N, &Druckbefehle::anschreibenSpeichern,
             &Druckbefehle::vorschauAnschreiben,
             QStringLiteral(
                 "Druckvorschau des Anschreibens, aus der auch gedruckt werden kann (Strg+Umschalt+N)."));
    auto* mitDialog = new QAction(QStringLiteral("Berechnung drucken ..."), fenster);
    mitDialog->setShortcut(QKeySequence(QKeySequence::Print));
    connect(mitDialog, &QAction::triggered, this, &Druckbefehle::berechnungMitDialog);
    fenster->addAction(mitDialog);
}

Druckbefehle::~Druckbefehle() = default;

QAction* Druckbefehle::kontexteintrag(const QList<QWidget*>& orte, const QString& text, QKeySequence taste,
                                      const QString& tipp)
{
    auto* eintrag = new QAction(text, orte.first());
    eintrag->setShortcut(taste);
    eintrag->setStatusTip(tipp);
    for (QWidget* w : orte) {
        w->addAction(eintrag);
        w->setContextMenuPolicy(Qt::ActionsContextMenu);
    }
    return eintrag;
}

void Druckbefehle::berechnungSpeichern()
{
    alsPdf(QStringLiteral("Berechnung als PDF speichern"), m_drucksachen.pdfVorschlagBerechnung(),
           [this](const QString& ziel) { (void)m_drucksachen.berechnungdrucken(ziel); });
}

void Druckbefehle::anschreibenSpeichern()
{
    alsPdf(QStringLiteral("Anschreiben als PDF speichern"), m_drucksachen.pdfVorschlagAnschreiben(),
           [this](const QString& ziel) { (void)m_drucksachen.Bescheiddrucken(ziel); });
}

void Druckbefehle::alsPdf(const QString& titel, const QString& vorschlag,
                          const std::function<void(const QString&)>& drucken)
{
    // A failed printout has told the user why.
    const QString ziel =
        m_nachrichten.pdfSpeicherort(titel, QDir(Nachrichten::dokumentenordner()).filePath(vorschlag));
    if (!ziel.isEmpty())
        drucken(ziel);
}

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
