#include "ui/zugang.h"

#include "ui/namensfeld.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QFocusFrame>
#include <QMenu>
#include <QVariant>

namespace {

constexpr char SchmuckEigenschaft[] = "zuvoraSchmuck";

// A window or a plain container whose decoration is left out of its children.
class Behälter : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    int childCount() const override { return int(kinder().size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> k = kinder();
        return index >= 0 && index < k.size() ? QAccessible::queryAccessibleInterface(k[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override
    {
        return kind ? int(kinder().indexOf(qobject_cast<QWidget*>(kind->object()))) : -1;
    }

private:
    // As Qt lists a widget's children, without the decoration.
    QList<QWidget*> kinder() const
    {
        QList<QWidget*> liste;
        for (QObject* o : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && !w->isWindow() && !qobject_cast<QFocusFrame*>(w) && !qobject_cast<QMenu*>(w) &&
                !Zugang::istSchmuck(w))
                liste.append(w);
        }
        return liste;
    }
};

class NamensfeldZugang : public QAccessibleWidget
{
public:
    explicit NamensfeldZugang(Namensfeld* feld) : QAccessibleWidget(feld, QAccessible::Button) {}

    QString text(QAccessible::Text art) const override
    {
        const auto* feld = static_cast<const Namensfeld*>(widget());
        if (art == QAccessible::Name)
            return QStringLiteral("Bediensteter: ") + feld->text().trimmed();
        if (art == QAccessible::Description)
            return feld->beschreibung ? feld->beschreibung() : QString();
        return QAccessibleWidget::text(art);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& aktion) override
    {
        if (aktion == pressAction())
            emit static_cast<Namensfeld*>(widget())->aktiviert();
        else
            QAccessibleWidget::doAction(aktion);
    }
    QStringList keyBindingsForAction(const QString& aktion) const override
    {
        if (aktion == pressAction())
            return {QStringLiteral("Alt+F")};
        return QAccessibleWidget::keyBindingsForAction(aktion);
    }
};

QAccessibleInterface* fabrik(const QString& klasse, QObject* objekt)
{
    auto* w = qobject_cast<QWidget*>(objekt);
    if (!w)
        return nullptr;
    if (klasse == QLatin1String("Namensfeld"))
        return new NamensfeldZugang(static_cast<Namensfeld*>(w));
    if (klasse == QLatin1String("ZVK"))
        return new Behälter(w, QAccessible::Window);
    if (klasse == QLatin1String("Sozialpanel"))
        return new Behälter(w, QAccessible::Pane);
    // Plain containers: the decoration on them is left out as well.
    if (klasse == QLatin1String("QWidget") && w->metaObject() == &QWidget::staticMetaObject)
        return new Behälter(w, w->isWindow() ? QAccessible::Window : QAccessible::Client);
    return nullptr;
}

} // namespace

namespace Zugang {

void einrichten()
{
    static bool eingerichtet = false;
    if (!eingerichtet)
        QAccessible::installFactory(fabrik);
    eingerichtet = true;
}

void alsSchmuck(QWidget* widget)
{
    widget->setProperty(SchmuckEigenschaft, true);
}

bool istSchmuck(const QWidget* widget)
{
    return widget->property(SchmuckEigenschaft).toBool();
}

QString nameAusBeschriftung(const QString& beschriftung)
{
    QString name = beschriftung.trimmed();
    // "&&" stands for an ampersand of its own.
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(u'&');
    name.replace(u'\x01', u'&');
    return name;
}

void fokusrahmen(QWidget* fenster)
{
    // The frame outlives the window's own members while the window closes, and focus
    // changes arrive then too: the slot touches the frame alone.
    auto* rahmen = new QFocusFrame(fenster);
    QObject::connect(qApp, &QApplication::focusChanged, rahmen, [rahmen](QWidget*, QWidget* neu) {
        rahmen->setWidget(neu && neu->window() == rahmen->window() ? neu : nullptr);
        // Above the neighbours, which overlap the name label's edges by design.
        rahmen->raise();
    });
}

} // namespace Zugang
