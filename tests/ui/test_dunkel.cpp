#include "hilfen/dunklepalette.h"
#include "hilfen/fenster.h"
#include "hilfen/jahreszeilen.h"
#include "ui/seiten/rentenbeginnseite.h"
#include "ui/seiten/sozialpanel.h"
#include "ui/textfenster.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>

namespace {

int helligkeit(const QColor& c)
{
    return (299 * c.red() + 587 * c.green() + 114 * c.blue()) / 1000;
}

class DunklePalette : public FensterTest
{};

// Every text of the window, its pages, its grids' cells and the letter-text editor stands out
// from its ground under a dark desktop palette: where the program sets a ground it sets the
// text colour too, and elsewhere the desktop's pair stays together.
TEST_F(DunklePalette, JederTextHebtSichVonSeinemGrundAb)
{
    const QPalette vorher = QApplication::palette();
    QApplication::setPalette(dunklePalette());
    const auto zurück = qScopeGuard([&] { QApplication::setPalette(vorher); });
    neuStarten();

    const auto prüfen = [](QWidget* fenster, const char* ansicht) {
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (!w->isVisible())
                continue;
            const bool text = (qobject_cast<QLabel*>(w) && !static_cast<QLabel*>(w)->text().isEmpty()) ||
                              qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                              qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w);
            if (text) {
                EXPECT_GE(std::abs(helligkeit(w->palette().color(w->foregroundRole())) -
                                   helligkeit(w->palette().color(w->backgroundRole()))),
                          100)
                    << ansicht << ": " << w->metaObject()->className() << " " << w->objectName().toStdString()
                    << " " << w->accessibleName().toStdString();
            }
            auto* tabelle = qobject_cast<QAbstractItemView*>(w);
            if (!tabelle)
                continue;
            const QAbstractItemModel* m = tabelle->model();
            for (int z = 0; z < m->rowCount(); ++z) {
                for (int s = 0; s < m->columnCount(); ++s) {
                    const QModelIndex i = m->index(z, s);
                    const QVariant vorne = i.data(Qt::ForegroundRole);
                    const QColor schrift = vorne.isValid() ? vorne.value<QBrush>().color()
                                                           : tabelle->palette().color(QPalette::Text);
                    ASSERT_GE(std::abs(helligkeit(schrift) -
                                       helligkeit(i.data(Qt::BackgroundRole).value<QBrush>().color())),
                              100)
                        << ansicht << ": Zelle " << z << "/" << s;
                }
            }
        }
    };
    prüfen(&fenster, "Tabelle");
    fenster.Bediensteter_Click();
    prüfen(&fenster, "Fallliste");
    fenster.tabelleZeigen();
    fenster.sozialpanel()->öffnen(Zeile2010);
    prüfen(&fenster, "Elternzeit");
    fenster.sozialpanel()->Abbrechen_Click();
    fenster.rentenbeginnseite()->öffnen();
    prüfen(&fenster, "Rentenbeginn");
    fenster.Blatt_Click();
    prüfen(fenster.textbearbeitung().textfenster(), "Anschreibentext");
}

} // namespace
