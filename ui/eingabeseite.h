#pragma once

#include <QWidget>

struct Datensatz;

// A page that takes the table's place for an input of its own, such as the parental-leave
// panel or the pension start. Enter takes the input over and Esc cancels it, wherever the
// focus is on the page; either ends the page.
class Eingabeseite : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Whether `w` lies on such a page: there Esc cancels the page, not the window.
    static bool enthält(const QWidget* w);

    // Makes the page's controls if they are not yet: a page makes them when it is first
    // opened, since most sessions never open it. They carry object names of their own.
    virtual void bereitstellen() = 0;
    // Another page takes this one's place: it ends without taking its input over.
    virtual void verlassen() {}
    // Whether typing goes on in the table when the page ends from the keyboard: so for a
    // page the table itself opens.
    virtual bool zurückInDieTabelle() const { return false; }

    // Signal names keep to words without umlauts: moc cannot read them in a name.
signals:
    // The page wants to be the page in view.
    void aufgerufen();
    // Taken over or cancelled: the table comes back.
    void beendet();

protected:
    // The page's heading for the case: "<was> für Vorname Nachname, Jahrgang 1985".
    static QString überschrift(const QString& was, const Datensatz& satz);
    virtual void eingabeÜbernehmen() = 0;
    virtual void eingabeVerwerfen() = 0;
    void keyPressEvent(QKeyEvent* ereignis) override;
};
