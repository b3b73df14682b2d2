#include "ui/hilfebefehle.h"

#include "core/sperre.h"
#include "hilfe/hilfe.h"
#include "hilfe/hilfefenster.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCursor>
#include <QFileInfo>
#include <QShortcut>
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

Hilfebefehle::Hilfebefehle(QWidget* fenster, Angabenquelle angaben)
    : QObject(fenster), m_fenster(fenster), m_angaben(std::move(angaben))
{
    // In every window of the program: the letter-text editor and the help itself included.
    auto* f1 = new QShortcut(QKeySequence::HelpContents, fenster);
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &Hilfebefehle::f1);
}

Programminfo::Angaben Hilfebefehle::angaben(const QString& falldatei, const QString& brieftext, bool gesperrt)
{
    const QFileInfo fälle(falldatei);
    Programminfo::Angaben a;
    a.ordner = fälle.absolutePath();
    a.falldatei = fälle.absoluteFilePath();
    a.brieftext = QFileInfo(brieftext).absoluteFilePath();
    a.sperrdatei = Sperre::sperrpfad(a.falldatei);
    a.sperrinhaber = gesperrt ? QStringLiteral("diesem Programm (Prozess %1, Benutzer %2, Rechner %3)")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(benutzer(), QSysInfo::machineHostName())
                              : QStringLiteral("niemandem");
    return a;
}

void Hilfebefehle::spaltenAnmelden(QAbstractItemView* tabelle, std::function<QString(int)> ziel)
{
    m_spalten.append({tabelle, std::move(ziel)});
}

void Hilfebefehle::hilfe(const QString& ziel)
{
    // One help window for the run, a window of its own beside the main one.
    if (!m_hilfe)
        m_hilfe = new Hilfefenster(m_fenster);
    m_hilfe->zeigen(ziel);
}

void Hilfebefehle::regeln()
{
    hilfe(QStringLiteral("atv.html"));
}

void Hilfebefehle::programminfo()
{
    auto* info = new Programminfo(m_angaben(), m_fenster);
    info->setAttribute(Qt::WA_DeleteOnClose);
    info->open();
}

QString Hilfebefehle::spaltenziel(const QWidget* w, const QPoint& global, bool nachFokus) const
{
    for (const Spalten& s : m_spalten) {
        if (!s.tabelle || !s.tabelle->isVisible())
            continue;
        if (!nachFokus && w == s.tabelle->viewport()) {
            const QModelIndex index = s.tabelle->indexAt(s.tabelle->viewport()->mapFromGlobal(global));
            if (index.isValid())
                return s.ziel(index.column());
        }
        if (nachFokus && w == s.tabelle && s.tabelle->currentIndex().isValid())
            return s.ziel(s.tabelle->currentIndex().column());
    }
    return {};
}

QString Hilfebefehle::f1Ziel() const
{
    const QPoint zeiger = QCursor::pos();
    if (const QString z = spaltenziel(QApplication::widgetAt(zeiger), zeiger, false); !z.isEmpty())
        return z;
    const QWidget* fokus = QApplication::focusWidget();
    if (const QString z = spaltenziel(fokus, zeiger, true); !z.isEmpty())
        return z;
    return Hilfe::ziel(fokus ? fokus : m_fenster);
}

void Hilfebefehle::f1()
{
    hilfe(f1Ziel());
}
