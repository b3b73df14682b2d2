#include "ui/seitenstapel.h"

void Seitenstapel::hinzufügen(QWidget* seite)
{
    m_seiten.append(seite);
    if (!m_aktuelle)
        m_aktuelle = seite;
    else
        seite->hide();
}

void Seitenstapel::zeigen(QWidget* seite)
{
    QWidget* vorher = m_aktuelle;
    m_aktuelle = seite;
    // Shown before the others hide, so that the focus has somewhere to go.
    seite->show();
    for (const QPointer<QWidget>& s : std::as_const(m_seiten)) {
        if (s && s != seite)
            s->hide();
    }
    if (vorher != seite)
        emit gewechselt(seite, vorher);
}
