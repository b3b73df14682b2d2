// Either printout saved as a PDF file the user names, whether or not there is a printer:
// from a context menu on the printout's button and its picture, and with Strg+B / Strg+N.
#include "ui/symbolbild.h"
#include "ui/zvk.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString dokumentenordner()
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(ordner).isDir() ? ordner : QDir::homePath();
}

} // namespace

void ZVK::pdfBefehleEinrichten()
{
    const auto anbieten = [this](QPushButton* knopf, Symbolbild* bild, QKeyCombination taste,
                                 void (ZVK::*befehl)()) {
        auto* aktion = new QAction(QStringLiteral("Als PDF speichern ..."), knopf);
        aktion->setShortcut(QKeySequence(taste));
        connect(aktion, &QAction::triggered, this, befehl);
        for (QWidget* w : {static_cast<QWidget*>(knopf), static_cast<QWidget*>(bild)}) {
            w->addAction(aktion);
            w->setContextMenuPolicy(Qt::ActionsContextMenu);
        }
        return aktion;
    };
    m_berechnungAlsPdf = anbieten(m_leiste.berechnung, m_leiste.berechnungBild, Qt::CTRL | Qt::Key_B,
                                  &ZVK::BerechnungAlsPdf_Click);
    m_bescheidAlsPdf =
        anbieten(m_leiste.bescheid, m_leiste.bescheidBild, Qt::CTRL | Qt::Key_N, &ZVK::BescheidAlsPdf_Click);
}

void ZVK::BerechnungAlsPdf_Click()
{
    alsPdfSpeichern(QStringLiteral("Berechnung als PDF speichern"), m_drucksachen.pdfVorschlagBerechnung(),
                    &Drucksachen::berechnungdrucken);
}

void ZVK::BescheidAlsPdf_Click()
{
    alsPdfSpeichern(QStringLiteral("Anschreiben als PDF speichern"), m_drucksachen.pdfVorschlagAnschreiben(),
                    &Drucksachen::Bescheiddrucken);
}

void ZVK::alsPdfSpeichern(const QString& titel, const QString& vorschlag,
                          bool (Drucksachen::*drucken)(const QString&))
{
    const QString ziel = m_nachrichten.pdfSpeicherort(titel, QDir(dokumentenordner()).filePath(vorschlag));
    if (!ziel.isEmpty())
        (m_drucksachen.*drucken)(ziel);
}
