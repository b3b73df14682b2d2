#include "ui/eingabeseite.h"

#include "core/fallrechnung.h"

#include <QKeyEvent>

bool Eingabeseite::enthält(const QWidget* w)
{
    for (; w; w = w->parentWidget())
        if (qobject_cast<const Eingabeseite*>(w))
            return true;
    return false;
}

void Eingabeseite::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: eingabeÜbernehmen(); return;
    case Qt::Key_Escape: eingabeVerwerfen(); return;
    default: QWidget::keyPressEvent(ereignis);
    }
}

QString Eingabeseite::überschrift(const QString& was, const Datensatz& satz)
{
    return QStringLiteral("%1 für %2 %3, Jahrgang %4")
        .arg(was, satz.vorname.trimmed(), satz.nachname.trimmed())
        .arg(rechengeburtsjahr(satz));
}
