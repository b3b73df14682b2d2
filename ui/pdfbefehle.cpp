#include "ui/pdfbefehle.h"

#include "print/drucksachen.h"
#include "ui/nachrichten.h"
#include "ui/symbolbild.h"
#include "ui/werkzeugleiste.h"

#include <QAction>
#include <QDir>

Pdfbefehle::Pdfbefehle(QWidget* fenster, const Werkzeugleiste& leiste, Drucksachen& drucksachen,
                       Nachrichten& nachrichten)
    : QObject(fenster), m_drucksachen(drucksachen), m_nachrichten(nachrichten)
{
    const auto anbieten = [this](QPushButton* knopf, Symbolbild* bild, QKeyCombination taste,
                                 void (Pdfbefehle::*befehl)()) {
        auto* aktion = new QAction(QStringLiteral("Als PDF speichern ..."), knopf);
        aktion->setShortcut(QKeySequence(taste));
        aktion->setStatusTip(QStringLiteral("Als PDF-Datei speichern, mit oder ohne Drucker (%1).")
                                 .arg(aktion->shortcut().toString(QKeySequence::NativeText)));
        connect(aktion, &QAction::triggered, this, befehl);
        for (QWidget* w : {static_cast<QWidget*>(knopf), static_cast<QWidget*>(bild)}) {
            w->addAction(aktion);
            w->setContextMenuPolicy(Qt::ActionsContextMenu);
        }
    };
    anbieten(leiste.berechnung, leiste.berechnungBild, Qt::CTRL | Qt::Key_B,
             &Pdfbefehle::berechnungSpeichern);
    anbieten(leiste.bescheid, leiste.bescheidBild, Qt::CTRL | Qt::Key_N, &Pdfbefehle::anschreibenSpeichern);
}

void Pdfbefehle::berechnungSpeichern()
{
    speichern(QStringLiteral("Berechnung als PDF speichern"), m_drucksachen.pdfVorschlagBerechnung(),
              [this](const QString& ziel) { (void)m_drucksachen.berechnungdrucken(ziel); });
}

void Pdfbefehle::anschreibenSpeichern()
{
    speichern(QStringLiteral("Anschreiben als PDF speichern"), m_drucksachen.pdfVorschlagAnschreiben(),
              [this](const QString& ziel) { (void)m_drucksachen.Bescheiddrucken(ziel); });
}

void Pdfbefehle::speichern(const QString& titel, const QString& vorschlag,
                           const std::function<void(const QString&)>& drucken)
{
    // A failed printout has told the user why.
    const QString ziel =
        m_nachrichten.pdfSpeicherort(titel, QDir(Nachrichten::dokumentenordner()).filePath(vorschlag));
    if (!ziel.isEmpty())
        drucken(ziel);
}
