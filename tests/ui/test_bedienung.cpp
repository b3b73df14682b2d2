#include "ansicht/namensgrid.h"
#include "core/datensatz.h"
#include "hilfen/fenster.h"
#include "hilfen/jahreszeilen.h"
#include "hilfen/seitenelemente.h"
#include "print/bescheiddruck.h"
#include "print/brieftext.h"
#include "print/druckaufzeichnung.h"
#include "ui/seiten/vergleichsseite.h"

#include <QApplication>
#include <QComboBox>
#include <QShortcut>
#include <QTabWidget>
#include <QUrl>

namespace {

// The window driven by keys alone, each sent to whatever has the focus, as a keyboard does.
class BedienungTest : public FensterTest
{
protected:
    QStringList geschehen;

    void SetUp() override
    {
        FensterTest::SetUp();
        fenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
        const Werkzeugleiste& l = fenster.werkzeugleiste();
        befehlErsetzen(l.info, [this] { geschehen << "Info"; });
        befehlErsetzen(l.atv, [this] { geschehen << "ATV"; });
        befehlErsetzen(l.hilfe, [this] { geschehen << "Hilfe"; });
        befehlErsetzen(l.bescheid, [this] { geschehen << "Anschreiben"; });
        befehlErsetzen(l.blatt, [this] { geschehen << "Anschreibentext"; });
        befehlErsetzen(l.berechnung, [this] { geschehen << "Berechnung"; });
        fenster.setzeProgrammende([] {});
    }
    QWidget* fokus() const { return QApplication::focusWidget(); }
    void taste(int taste, Qt::KeyboardModifiers mit = Qt::NoModifier)
    {
        ASSERT_TRUE(fokus());
        QTest::keyClick(fokus(), Qt::Key(taste), mit);
    }
    void tasten(int taste, int anzahl)
    {
        for (int i = 0; i < anzahl; ++i)
            this->taste(taste);
    }
    // A German keyboard's keys: the key code of a Latin-1 letter is its capital's code.
    void tippen(const QString& text)
    {
        for (const QChar z : text) {
            ASSERT_TRUE(fokus());
            const Qt::KeyboardModifiers mit = z.isUpper() ? Qt::ShiftModifier : Qt::NoModifier;
            QTest::sendKeyEvent(QTest::Click, fokus(), Qt::Key(z.toUpper().unicode()), QString(z), mit);
        }
    }
};

TEST_F(BedienungTest, TabFolgtDerSichtbarenReihenfolge)
{
    const Werkzeugleiste& l = fenster.werkzeugleiste();
    l.info->setFocus(Qt::TabFocusReason);
    const QList<QWidget*> erwartet{
        l.atv,        l.bescheid,     l.blatt, l.berechnung, l.hilfe, l.schließen, fenster.bediensteter(),
        l.verlängern, fenster.grid(), l.info};
    for (QWidget* nächstes : erwartet) {
        taste(Qt::Key_Tab);
        EXPECT_EQ(fokus(), nächstes) << (fokus() ? fokus()->metaObject()->className() : "nichts");
    }
    // Enter presses the button with the focus, as Space does.
    l.hilfe->setFocus(Qt::TabFocusReason);
    taste(Qt::Key_Return);
    taste(Qt::Key_Space);
    EXPECT_EQ(geschehen, (QStringList{"Hilfe", "Hilfe"}));

    // The name label opens the list with Enter or Space.
    for (const int t : {int(Qt::Key_Return), int(Qt::Key_Space)}) {
        fenster.tabelleZeigen();
        fenster.bediensteter()->setFocus(Qt::TabFocusReason);
        taste(t);
        EXPECT_TRUE(fenster.listeSichtbar());
        EXPECT_EQ(fokus(), fenster.namensgrid());
    }
}

TEST_F(BedienungTest, AltBuchstabenUndKürzel)
{
    struct Fall {
        Qt::Key taste;
        const char* geschieht;
    };
    const Fall fälle[] = {
        {Qt::Key_I, "Info"},        {Qt::Key_A, "ATV"},
        {Qt::Key_N, "Anschreiben"}, {Qt::Key_T, "Anschreibentext"},
        {Qt::Key_B, "Berechnung"},  {Qt::Key_H, "Hilfe"},
    };
    // A button's Alt key presses it the way a click looks: a moment later.
    for (const Fall& f : fälle) {
        geschehen.clear();
        fenster.grid()->setFocus(Qt::TabFocusReason);
        taste(f.taste, Qt::AltModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !geschehen.isEmpty(); })) << f.geschieht;
        EXPECT_EQ(geschehen, QStringList{QString::fromUtf8(f.geschieht)}) << f.geschieht;
    }
    QPushButton* verlängern = fenster.werkzeugleiste().verlängern;
    taste(Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return verlängern->text() == "&Verkürzen"; }));
    taste(Qt::Key_V, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return verlängern->text() == "&Verlängern"; }));
    taste(Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(fenster.listeSichtbar());
    taste(Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !fenster.isVisible(); }));
}

TEST_F(BedienungTest, ElternzeitpanelMitTastatur)
{
    Sozialpanel* panel = fenster.sozialpanel();
    const int elternzeit = nr(Spalte::Elternzeit);
    fenster.grid()->setFocus(Qt::TabFocusReason);
    fenster.rechentabelle().setzeAktuelleZelle(Zeile2010, elternzeit);
    taste(Qt::Key_Return);
    ASSERT_TRUE(panel->offen());
    // Every box and both buttons in the order they stand.
    const QList<QWidget*> reihe{elemente(*panel).kinderanzahl1(), elemente(*panel).monateanzahl1(),
                                elemente(*panel).kinderanzahl2(), elemente(*panel).monateanzahl2(),
                                elemente(*panel).übertragen(),    elemente(*panel).abbrechen()};
    EXPECT_EQ(fokus(), reihe[0]);
    for (QWidget* nächstes : reihe.mid(1)) {
        taste(Qt::Key_Tab);
        EXPECT_EQ(fokus(), nächstes);
    }
    // One child for twelve months at the age factor 2,40, transferred with Enter from a box.
    elemente(*panel).kinderanzahl1()->setFocus(Qt::BacktabFocusReason);
    taste(Qt::Key_Down);
    taste(Qt::Key_Tab);
    taste(Qt::Key_End);
    EXPECT_EQ(elemente(*panel).monateanzahl1()->currentIndex(), 12);
    taste(Qt::Key_Return);
    EXPECT_FALSE(panel->offen());
    EXPECT_EQ(t(Zeile2010, elternzeit), "1,20");
    EXPECT_EQ(fokus(), fenster.grid());

    // Esc in the panel cancels it and leaves the window open; Enter on Abbrechen cancels too.
    // (The calculation has left the current cell at the end of the table.)
    fenster.rechentabelle().setzeAktuelleZelle(Zeile2010, elternzeit);
    taste(Qt::Key_F2);
    ASSERT_TRUE(panel->offen());
    taste(Qt::Key_Up);
    taste(Qt::Key_Escape);
    EXPECT_FALSE(panel->offen());
    EXPECT_TRUE(fenster.isVisible());
    taste(Qt::Key_Space);
    ASSERT_TRUE(panel->offen());
    taste(Qt::Key_Up);
    elemente(*panel).abbrechen()->setFocus(Qt::TabFocusReason);
    taste(Qt::Key_Return);
    EXPECT_FALSE(panel->offen());
    EXPECT_EQ(t(Zeile2010, elternzeit), "1,20");
    EXPECT_EQ(fenster.falldatei().lesen(1).kinder1[Jahreszeile::index(Zeile2010)], 1);
}

// Every Alt key means one thing in each view, so that the first press does it; on the input
// pages Alt+R, Alt+G and Alt+E reach the pension start, the increase and Übernehmen.
TEST_F(BedienungTest, AltBuchstabenSindInJederAnsichtEindeutig)
{
    const auto altTasten = [this] {
        QStringList tasten;
        const auto nehmen = [&](const QKeySequence& k) {
            if (!k.isEmpty() && (k[0].keyboardModifiers() & Qt::AltModifier))
                tasten << k.toString();
        };
        for (QWidget* w : fenster.findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            if (auto* b = qobject_cast<QAbstractButton*>(w))
                nehmen(b->shortcut()); // the underlined letter's, or one of its own
            if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
                nehmen(QKeySequence::mnemonic(l->text()));
        }
        for (QShortcut* k : fenster.findChildren<QShortcut*>())
            if (k->isEnabled())
                nehmen(k->key());
        return tasten;
    };
    const auto prüfen = [&](const char* ansicht) {
        const QStringList tasten = altTasten();
        EXPECT_EQ(QSet<QString>(tasten.begin(), tasten.end()).size(), tasten.size())
            << ansicht << ": " << tasten.join(u' ').toStdString();
        return tasten;
    };
    prüfen("Tabelle");
    fenster.Bediensteter_Click();
    prüfen("Fallliste");
    fenster.tabelleZeigen();
    fenster.sozialpanel()->öffnen(Zeile2010);
    prüfen("Elternzeit");
    fenster.sozialpanel()->Abbrechen_Click();

    // The pension-start page from a cell, and back to that cell by Esc and by Alt+E.
    Beginnelemente seite{*fenster.rentenbeginnseite()};
    for (const Qt::Key ende : {Qt::Key_Escape, Qt::Key_E}) {
        fenster.grid()->setFocus(Qt::TabFocusReason);
        fenster.rechentabelle().setzeAktuelleZelle(Zeile2010, 2);
        taste(Qt::Key_R, Qt::AltModifier);
        ASSERT_TRUE(seite.seite.isVisible());
        const QStringList tasten = prüfen("Rentenbeginn");
        for (const char* k : {"Alt+R", "Alt+G", "Alt+E"})
            EXPECT_TRUE(tasten.contains(QString::fromLatin1(k))) << k;
        taste(Qt::Key_G, Qt::AltModifier);
        EXPECT_EQ(fokus(), seite.steigerung());
        taste(Qt::Key_R, Qt::AltModifier);
        EXPECT_EQ(fokus(), seite.rentenbeginn());
        taste(ende, ende == Qt::Key_E ? Qt::AltModifier : Qt::NoModifier);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !seite.seite.isVisible(); }));
        EXPECT_EQ(fokus(), fenster.grid());
        EXPECT_EQ(fenster.grid()->currentIndex().row(), Zeile2010);
        EXPECT_EQ(fenster.grid()->currentIndex().column(), 2);
    }

    // The comparison with its answers in view: Alt+E takes over, Alt+U prints the overview.
    auto* vergleich = fenster.findChild<Vergleichsseite*>();
    vergleich->öffnen();
    vergleich->findChild<QTabWidget*>(QStringLiteral("Reiter"))->setCurrentIndex(3);
    const QStringList tasten = prüfen("Vergleich");
    EXPECT_TRUE(tasten.contains("Alt+E") && tasten.contains("Alt+U")) << tasten.join(u' ').toStdString();
    vergleich->Abbrechen_Click();
}

// From the first key to the printed letter without the mouse, with a name, a street and a
// town as people write them.
TEST_F(BedienungTest, FallMitUmlautenAnlegenWählenUndDrucken)
{
    Druckaufzeichnung brief;
    befehlErsetzen(fenster.werkzeugleiste().bescheid, [&] {
        QStringList zeilen;
        for (const QString& z : Brieftext::standardtext())
            zeilen.append(z.leftJustified(Brieftext::Satzlänge, u' '));
        const Festkomma rente = Festkomma::ausText(fenster.rentenkopf()->text().chopped(2));
        ASSERT_TRUE(Bescheiddruck(brief, fenster.stand().datensatz, zeilen, rente, u',', "07.12.2026")
                        .Bescheiddrucken()
                        .ok);
    });
    taste(Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(fenster.listeSichtbar());
    // The list opens at the town of case 7; case 2 is five rows up, its salutation eight
    // columns to the left.
    tasten(Qt::Key_Up, 5);
    tasten(Qt::Key_Left, 8);
    for (const char* feld :
         {"Herr", "Jürgen", "Müller-Lüdenscheidt", "15", "3", "1970", "ATV-12/3", "Königsallee 12a"}) {
        tippen(QString::fromUtf8(feld));
        taste(Qt::Key_Return);
    }
    tippen(QStringLiteral("40212 Düsseldorf"));
    tasten(Qt::Key_Left, 9);
    taste(Qt::Key_Return);

    ASSERT_TRUE(fenster.tabelleSichtbar());
    EXPECT_EQ(fokus(), fenster.grid());
    EXPECT_EQ(fenster.stand().datensatznummer, 2);
    EXPECT_EQ(fenster.bediensteter()->text(), QStringLiteral("  Jürgen Müller-Lüdenscheidt"));
    // The case file holds the names in its code page.
    const Datensatz gespeichert = fenster.falldatei().lesen(2);
    EXPECT_EQ(Zeichensatz::kodieren(gespeichert.strasse.trimmed()), QByteArray("K\xF6nigsallee 12a"));

    taste(Qt::Key_N, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !brief.zeilen().isEmpty(); }));
    QStringList texte;
    for (const auto& zeile : brief.zeilen()) {
        QString text;
        for (const auto& stück : zeile.stücke)
            text += stück.text;
        texte << text.simplified();
    }
    for (const char* erwartet : {"Herr", "Jürgen Müller-Lüdenscheidt", "Königsallee 12a", "40212 Düsseldorf",
                                 "Sehr geehrter Herr Müller-Lüdenscheidt,"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(erwartet)))
            << erwartet << "\n"
            << texte.mid(0, 20).join(u'\n').toStdString();
    EXPECT_TRUE(Nachrichten::gezeigte().isEmpty());
}

} // namespace
