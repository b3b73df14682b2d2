#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// The views that take turns in the table's place: the calculation table, the case list and
// the parental-leave panel. Exactly one of them is shown. The pages stay children of the
// window at places of their own (the list is narrower than the table), so this is the one
// place that shows and hides them, not a layout.
class Seitenstapel : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // The first page added is the one in view.
    void hinzufügen(QWidget* seite);
    void zeigen(QWidget* seite);
    QWidget* aktuelle() const { return m_aktuelle; }

signals:
    void gewechselt(QWidget* neu, QWidget* vorher);

private:
    QList<QPointer<QWidget>> m_seiten;
    QPointer<QWidget> m_aktuelle;
};
