// Help, rules and program info: which section of the help each part of the window belongs
// to, and what the program info says about the files in use.
#include "ansicht/tabellenansicht.h"
#include "hilfe/hilfe.h"
#include "ui/erlaeuterungszeile.h"
#include "ui/hilfebefehle.h"
#include "ui/namensfeld.h"
#include "ui/zvk.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QSysInfo>
#include <pwd.h>
#include <unistd.h>

namespace {

QString benutzer()
{
    const passwd* eintrag = ::getpwuid(::getuid());
    return eintrag ? QString::fromLocal8Bit(eintrag->pw_name) : QString::number(::getuid());
}

} // namespace

void ZVK::hilfeEinrichten()
{
    m_hilfebefehle = new Hilfebefehle(this, [this] {
        const QFileInfo fälle(m_datei.pfad().isEmpty() ? QStringLiteral("atv.txt") : m_datei.pfad());
        Programminfo::Angaben a;
        a.ordner = fälle.absolutePath();
        a.falldatei = fälle.absoluteFilePath();
        a.brieftext = QFileInfo(m_drucksachen.brieftext().pfad()).absoluteFilePath();
        a.sperrdatei = Sperre::sperrpfad(a.falldatei);
        a.sperrinhaber = m_sperre.gehalten()
                             ? QStringLiteral("diesem Programm (Prozess %1, Benutzer %2, Rechner %3)")
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(benutzer(), QSysInfo::machineHostName())
                             : QStringLiteral("niemandem");
        return a;
    });
    m_hilfebefehle->spaltenAnmelden(m_grid, &Hilfe::spalte);

    // The pages and the case list name their sections themselves.
    const Werkzeugleiste& l = m_leiste;
    const std::pair<QWidget*, const char*> ziele[] = {
        {l.info, "index.html"},
        {l.atv, "atv.html"},
        {l.bescheid, "drucken.html#anschreiben"},
        {l.blatt, "anschreiben.html"},
        {l.berechnung, "drucken.html#berechnung"},
        {l.hilfe, "index.html"},
        {l.schließen, "ueberblick.html#fenster"},
        {l.verlängern, "ueberblick.html#fenster"},
        {m_kopf.bediensteter, "faelle.html"},
        {m_kopf.rentenbeschriftung, "ueberblick.html#kopfzeile"},
        {m_kopf.rentenkopf, "ueberblick.html#kopfzeile"},
        {m_erläuterungen->zeile(), "ueberblick.html#erlaeuterungen"},
        {this, "ueberblick.html"},
    };
    for (const auto& [w, ziel] : ziele)
        Hilfe::setzeZiel(w, QString::fromLatin1(ziel));
}

void ZVK::Info_Click()
{
    m_hilfebefehle->programminfo();
}

void ZVK::ATV_Click()
{
    m_hilfebefehle->regeln();
}

void ZVK::Hilfe_Click()
{
    m_hilfebefehle->hilfe(Hilfe::Start);
}
