#include "ui/nachrichten.h"
#include "ui/sprache.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// The box the program shows, found and handled from inside its own event loop.
void imFenster(std::function<void(QMessageBox&)> tun)
{
    QTimer::singleShot(0, [tun = std::move(tun)] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        tun(*box);
    });
}

QStringList knopftexte(const QMessageBox& box)
{
    QStringList texte;
    for (QAbstractButton* b : box.buttons())
        texte.append(b->text().remove(u'&'));
    texte.sort();
    return texte;
}

class SpracheTest : public ::testing::Test
{
protected:
    void SetUp() override { Nachrichten::nurVorbereiteteAntworten(false); }
    void TearDown() override { Nachrichten::nurVorbereiteteAntworten(true); }
};

TEST_F(SpracheTest, FrageSprichtDeutschUndEscEntscheidetNichts)
{
    Nachrichten nachrichten;
    QStringList gesehen;
    bool nachEscOffen = false;
    imFenster([&](QMessageBox& box) {
        gesehen = knopftexte(box);
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close(); // the window's close button does not answer either
        nachEscOffen = box.isVisible();
        box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(
        nachrichten.frage(QStringLiteral("In alle Folgejahre vortragen?"), QStringLiteral("Vortragen?")));
    EXPECT_EQ(gesehen, QStringList({"Ja", "Nein"}));
    EXPECT_TRUE(nachEscOffen);

    // A notice still goes with Esc.
    imFenster([&](QMessageBox& box) {
        gesehen = knopftexte(box);
        QTest::keyClick(&box, Qt::Key_Escape);
    });
    nachrichten.hinweis(QStringLiteral("Gespeichert."), QStringLiteral("Zuvora"));
    EXPECT_EQ(gesehen, QStringList({"OK"}));
}

TEST_F(SpracheTest, DeutscheZahlenUndQtsDeutscheTexte)
{
    const QLocale vorher;
    const bool geladen = Sprache::deutschEinrichten(*QCoreApplication::instance());
    EXPECT_EQ(QLocale().toString(1234.5, 'f', 2), "1.234,50");
    QLocale::setDefault(vorher);
    const QString datei =
        QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
    EXPECT_EQ(geladen, QFileInfo::exists(datei)) << datei.toStdString();
    if (geladen) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    }
    for (auto* übersetzung : QCoreApplication::instance()->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(übersetzung);
        delete übersetzung;
    }
}

} // namespace
