#include "ansicht/namensgrid.h"
#include "ansicht/tabellenansicht.h"
#include "core/twips.h"
#include "hilfe/hilfefenster.h"
#include "hilfe/programminfo.h"
#include "hilfen/fenster.h"
#include "hilfen/seitenelemente.h"
#include "ui/hilfebefehle.h"
#include "ui/symbolbild.h"
#include "ui/zvk.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class ZVKTest : public FensterTest
{
protected:
    void SetUp() override
    {
        FensterTest::SetUp();
        fenster.setzeBildschirmhöhe([] { return 11520; });
    }

    Werkzeugleiste leiste() const { return fenster.werkzeugleiste(); }
    QString erläuterung() const { return fenster.erläuterungen()->text(); }
    static int px(int twips) { return Twips::zuPixel(twips); }

    // A pointer move as the window system reports it, without a button held.
    static void bewegen(QWidget* w, QPoint p = QPoint(3, 3))
    {
        QMouseEvent e(QEvent::MouseMove, p, w->mapToGlobal(p), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    // x in pixels from the calculation table's left edge.
    void überTabelle(int x)
    {
        QWidget* vp = fenster.grid()->viewport();
        bewegen(vp, QPoint(x - vp->x(), 200));
    }
};

TEST_F(ZVKTest, VerlängernWechseltZwischenNormalUndLang)
{
    QPushButton* verlängern = leiste().verlängern;
    EXPECT_EQ(verlängern->text(), QStringLiteral("&Verlängern"));
    EXPECT_EQ(fenster.fensterhöheTwips(), 9100);
    EXPECT_EQ(fenster.grid()->height(), px(7380));
    EXPECT_EQ(fenster.erläuterungen()->y(), px(8385));

    fenster.move(40, 120);
    verlängern->click();
    EXPECT_EQ(verlängern->text(), QStringLiteral("&Verkürzen"));
    EXPECT_EQ(fenster.fensterhöheTwips(), 11020);
    EXPECT_EQ(fenster.grid()->height(), px(9620));
    EXPECT_EQ(fenster.y(), 0);
    EXPECT_EQ(fenster.erläuterungen()->y(), px(8385)) << "the long table reaches over the line";

    verlängern->click();
    EXPECT_EQ(verlängern->text(), QStringLiteral("&Verlängern"));
    EXPECT_EQ(fenster.fensterhöheTwips(), 9100);
    EXPECT_EQ(fenster.grid()->height(), px(7380));
    EXPECT_EQ(fenster.erläuterungen()->y(), fenster.grid()->geometry().bottom() + 1);
}

TEST_F(ZVKTest, LangesLayoutWirdAufNiedrigemSchirmNichtKürzer)
{
    fenster.setzeBildschirmhöhe([] { return 8000; });
    leiste().verlängern->click();
    EXPECT_EQ(fenster.fensterhöheTwips(), 9100);
    EXPECT_EQ(fenster.grid()->height(), px(7700));
}

TEST_F(ZVKTest, KurzesLayoutStelltVerlängernZurück)
{
    leiste().verlängern->click();
    fenster.kurzesLayout();
    EXPECT_EQ(leiste().verlängern->text(), QStringLiteral("&Verlängern"));
    EXPECT_EQ(fenster.fensterhöheTwips(), 5100);
    EXPECT_EQ(fenster.erläuterungen()->y(), px(4385));
}

TEST_F(ZVKTest, VerlängernHoltDieTabelleAusDerListeOhneZuSpeichern)
{
    fenster.Bediensteter_Click();
    ASSERT_TRUE(fenster.listeSichtbar());
    EXPECT_EQ(fenster.fensterhöheTwips(), 5100);
    // An edit in the list that is never chosen.
    fenster.namensliste().modell().setzeText(Namensliste::ErsteFallzeile, nr(Listenspalte::Nachname),
                                             QStringLiteral("Geändert"));

    leiste().verlängern->click();
    EXPECT_FALSE(fenster.listeSichtbar());
    EXPECT_TRUE(fenster.tabelleSichtbar());
    EXPECT_EQ(fenster.fensterhöheTwips(), 11020);
    EXPECT_EQ(fenster.grid()->height(), px(9620));
    EXPECT_EQ(fenster.falldatei().lesen(1).nachname.trimmed(), QStringLiteral("Wendler"));
}

TEST_F(ZVKTest, VerkürzenLässtDieAnsichtStehen)
{
    leiste().verlängern->click();
    fenster.grid()->hide(); // as the parental-leave panel does
    leiste().verlängern->click();
    EXPECT_EQ(fenster.fensterhöheTwips(), 9100);
    EXPECT_FALSE(fenster.tabelleSichtbar());
}

class SchließenTest : public ZVKTest
{
protected:
    // Stands for the letter-text window, which belongs to the main window.
    QWidget textfenster{&fenster, Qt::Window};
    int programmende = 0;

    void SetUp() override
    {
        ZVKTest::SetUp();
        textfenster.show();
        QObject::connect(&fenster, &ZVK::alleFensterZu, &textfenster, &QWidget::close);
        fenster.setzeProgrammende([this] { ++programmende; });
    }
    void ereignisseAbarbeiten() { QCoreApplication::processEvents(); }
};

TEST_F(SchließenTest, SchließenSchließtBeideFensterUndBeendetDasProgramm)
{
    leiste().schließen->click();
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_FALSE(textfenster.isVisible());
    ereignisseAbarbeiten();
    EXPECT_EQ(programmende, 1);
}

TEST_F(SchließenTest, SymbolAufSchließenSchließtNurDasHauptfenster)
{
    QTest::mouseClick(leiste().schließenBild, Qt::LeftButton);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(textfenster.isVisible());
    ereignisseAbarbeiten();
    EXPECT_EQ(programmende, 0) << "the letter-text window is still open";
    textfenster.close();
    ereignisseAbarbeiten();
    EXPECT_EQ(programmende, 1);
}

TEST_F(SchließenTest, EscSchließtNurDasHauptfensterWoImmerDerFokusSteht)
{
    QTest::keyClick(fenster.grid(), Qt::Key_Escape);
    EXPECT_FALSE(fenster.isVisible());
    EXPECT_TRUE(textfenster.isVisible());
}

TEST_F(SchließenTest, EscImTextfensterLässtDasHauptfenster)
{
    QTest::keyClick(&textfenster, Qt::Key_Escape);
    EXPECT_TRUE(fenster.isVisible());
}

TEST_F(ZVKTest, ErläuterungFolgtDemZeiger)
{
    EXPECT_TRUE(erläuterung().isEmpty());
    bewegen(leiste().berechnung);
    EXPECT_TRUE(
        erläuterung().startsWith(QStringLiteral("Es wird ohne vorgeschaltetes Druckmenü ein Ausdruck")));

    überTabelle(34); // 510 twips
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral(" Die vor dem Jahr 2002")));
    überTabelle(35); // 525 twips
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral(" Maßgebliches Alter")));
    überTabelle(934); // 14010 twips: right of the last range
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral(" Maßgebliches Alter")));

    // The background between the headline amount and the right edge, above Verlängern.
    bewegen(&fenster, QPoint(px(14160), px(605)));
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral(" Die doppelt vorhandenen Auswahlboxen")));

    bewegen(leiste().infoBild); // the pictures but one have nothing to say
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral(" Die doppelt vorhandenen Auswahlboxen")));
    bewegen(leiste().blattBild);
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral("Sie können den Text des Anschreibens")));
    bewegen(fenster.rentenbeschriftung());
    EXPECT_TRUE(erläuterung().contains(QStringLiteral("Rentenbeginn und Entgeltsteigerung")));
}

TEST_F(ZVKTest, JedeErläuterungStehtGanzImTooltip)
{
    // The line keeps the text as it is; the control's tooltip holds it to its end.
    QWidget* const steuerelemente[] = {
        leiste().atv,         leiste().berechnung,   leiste().bescheid,   leiste().blatt,
        leiste().info,        leiste().schließen,    leiste().verlängern, fenster.rentenbeschriftung(),
        fenster.rentenkopf(), fenster.bediensteter()};
    for (QWidget* w : steuerelemente) {
        bewegen(w);
        EXPECT_FALSE(erläuterung().isEmpty());
        EXPECT_EQ(w->toolTip(), erläuterung().trimmed()) << w->toolTip().toStdString();
    }
    EXPECT_TRUE(leiste().schließen->toolTip().endsWith(QStringLiteral("schließt ohne zu speichern.")));
    überTabelle(500);
    EXPECT_EQ(fenster.grid()->viewport()->toolTip(), erläuterung().trimmed());
    EXPECT_FALSE(erläuterung().isEmpty());
}

TEST_F(ZVKTest, HilfeLeertDieZeileUndIhrSymbolLässtSieLeer)
{
    bewegen(leiste().verlängern);
    ASSERT_FALSE(erläuterung().isEmpty());
    bewegen(leiste().hilfe);
    EXPECT_EQ(erläuterung(), QString());
    bewegen(leiste().hilfeBild);
    EXPECT_EQ(erläuterung(), QString());
}

TEST_F(ZVKTest, BediensteterErklärtJeNachAnsicht)
{
    bewegen(fenster.bediensteter());
    EXPECT_EQ(erläuterung(),
              QStringLiteral("Hier können Sie bis zu 7 Versicherungsfälle anlegen (Tastatur: Alt+F)."));
    fenster.grid()->hide();
    bewegen(fenster.bediensteter());
    EXPECT_TRUE(erläuterung().startsWith(QStringLiteral(" Klicken sie in Spalte 1 den gewünschten Fall an")));
}

// Info, ATV / ATV-K and Hilfe, from their buttons and pictures, open the program's own windows;
// F1 opens the section of the column under the pointer, of the focused cell's column, or of
// the page or control with the focus.
TEST_F(ZVKTest, HilfeRegelnUndProgramminfoOhneNetz)
{
    const Werkzeugleiste& l = leiste();
    for (QWidget* w : {static_cast<QWidget*>(l.info), static_cast<QWidget*>(l.infoBild)}) {
        QTest::mouseClick(w, Qt::LeftButton);
        auto* info = qobject_cast<Programminfo*>(QApplication::activeModalWidget());
        ASSERT_NE(info, nullptr);
        for (const QString& teil : {QStringLiteral("Zuvora 1."), QStringLiteral("GNU General Public License"),
                                    QDir::toNativeSeparators(fenster.falldatei().pfad()),
                                    QStringLiteral("atvi.txt"), QStringLiteral("diesem Programm (Prozess")})
            EXPECT_TRUE(info->text().contains(teil)) << teil.toStdString();
        info->close();
    }
    const auto gezeigt = [this] {
        Hilfefenster* h = fenster.hilfebefehle()->hilfefenster();
        return h && h->isVisible()
                   ? h->browser()->source().fileName() + u'#' + h->browser()->source().fragment()
                   : QString();
    };
    for (QWidget* w : {static_cast<QWidget*>(l.atv), static_cast<QWidget*>(l.atvBild)}) {
        QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_EQ(gezeigt(), "atv.html#");
        EXPECT_TRUE(
            fenster.hilfebefehle()->hilfefenster()->browser()->toHtml().contains("https://www.vka.de"));
    }
    QTest::mouseClick(l.hilfeBild, Qt::LeftButton);
    EXPECT_EQ(gezeigt(), "index.html#");

    fenster.hilfebefehle()->hilfefenster()->close();
    // F1 with the pointer over the bonus-point column.
    const QModelIndex bonus = fenster.grid()->model()->index(10, 16);
    QCursor::setPos(fenster.grid()->viewport()->mapToGlobal(fenster.grid()->visualRect(bonus).center()));
    EXPECT_EQ(fenster.hilfebefehle()->f1Ziel(), "spalten.html#spalte-17");
    // Away from the table: the focused cell's column, then the page with the focus.
    QCursor::setPos(leiste().info->mapToGlobal(QPoint(3, 3)));
    fenster.activateWindow();
    fenster.grid()->setFocus();
    fenster.rechentabelle().setzeAktuelleZelle(8, 2);
    QTest::keyClick(fenster.grid(), Qt::Key_F1);
    EXPECT_EQ(gezeigt(), "spalten.html#spalte-3");
    fenster.rentenbeginnseite()->öffnen();
    EXPECT_EQ(fenster.hilfebefehle()->f1Ziel(), "rentenbeginn.html");
    EXPECT_TRUE(fenster.isVisible());
}

// The pension-start page is made when first opened and then works as if it had always been
// there: Alt+R shows it with the case's values, Enter stores a changed increase.
TEST_F(ZVKTest, RentenbeginnseiteEntstehtBeimErstenÖffnen)
{
    Rentenbeginnseite* seite = fenster.rentenbeginnseite();
    EXPECT_TRUE(seite->findChildren<QWidget*>().isEmpty());
    fenster.activateWindow();
    fenster.grid()->setFocus();
    QTest::keyClick(fenster.grid(), Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(seite->isVisible());
    EXPECT_TRUE(fenster.grid()->isHidden());
    EXPECT_TRUE(elemente(*seite).rentenbeginn()->hasFocus());
    EXPECT_EQ(elemente(*seite).steigerung()->value(), 0.0);
    elemente(*seite).steigerung()->setValue(2.5);
    // The sample case's carried-forward pay is offered to be carried anew at the new rate.
    Nachrichten::setzeNächsteAntwort(QMessageBox::Yes);
    QTest::keyClick(elemente(*seite).rentenbeginn(), Qt::Key_Return);
    EXPECT_FALSE(seite->isVisible());
    EXPECT_TRUE(fenster.grid()->isVisible());
    seite->öffnen();
    EXPECT_EQ(elemente(*seite).steigerung()->value(), 2.5);
}

// What the headline says about the age, to the eye and to a screen reader, follows the case.
TEST_F(ZVKTest, KopfzeileNenntDasAlterDesFalls)
{
    for (const auto& [beginn, alter] :
         {std::pair{67, "bis zum 67. Lebensjahr"}, {65, "bis zum 65. Lebensjahr"}}) {
        ASSERT_TRUE(fenster.rechentabelle().einstellungenSpeichern(beginn, Festkomma()).ok);
        bewegen(fenster.rentenkopf());
        EXPECT_TRUE(erläuterung().contains(QString::fromUtf8(alter))) << alter;
        EXPECT_TRUE(fenster.rentenkopf()->accessibleDescription().contains(QString::fromUtf8(alter)))
            << alter;
    }
}

TEST_F(ZVKTest, SymboleRufenDieDruckbefehleIhrerKnöpfe)
{
    QStringList gerufen;
    const Werkzeugleiste& l = leiste();
    for (const auto& [knopf, name] :
         {std::pair{l.bescheid, "Bescheid"}, {l.blatt, "Blatt"}, {l.berechnung, "Berechnung"}}) {
        // The commands themselves would print: each button only reports here.
        QObject::disconnect(knopf, &QPushButton::clicked, &fenster, nullptr);
        QObject::connect(knopf, &QPushButton::clicked, &fenster,
                         [&gerufen, text = name] { gerufen << QString::fromUtf8(text); });
    }
    QTest::mouseClick(leiste().bescheidBild, Qt::LeftButton);
    QTest::mouseClick(leiste().blattBild, Qt::LeftButton);
    QTest::mouseClick(leiste().berechnungBild, Qt::LeftButton);
    EXPECT_EQ(gerufen, QStringList({"Bescheid", "Blatt", "Berechnung"}));
}

} // namespace
