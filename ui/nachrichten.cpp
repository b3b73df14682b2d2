#include "ui/nachrichten.h"

#include <QApplication>

namespace {

struct Testantworten {
    QQueue<QMessageBox::StandardButton> antworten;
    QList<Nachrichten::Gezeigt> gezeigt;
    bool nurVorbereitet = false;
};

Testantworten& testantworten()
{
    static Testantworten t;
    return t;
}

} // namespace

void Nachrichten::setzeNächsteAntwort(QMessageBox::StandardButton antwort)
{
    testantworten().antworten.enqueue(antwort);
}

void Nachrichten::nurVorbereiteteAntworten(bool an)
{
    testantworten().nurVorbereitet = an;
}

QList<Nachrichten::Gezeigt>& Nachrichten::gezeigte()
{
    return testantworten().gezeigt;
}

QMessageBox::StandardButton Nachrichten::zeigen(QMessageBox::Icon symbol, const QString& titel,
                                                const QString& text, QMessageBox::StandardButtons knöpfe)
{
    Testantworten& t = testantworten();
    if (t.nurVorbereitet || !t.antworten.isEmpty()) {
        t.gezeigt.append({titel, text});
        if (t.antworten.isEmpty())
            qFatal("Unerwartete Meldung: %s: %s", qPrintable(titel), qPrintable(text));
        return t.antworten.dequeue();
    }
    QMessageBox box(symbol, titel, text, knöpfe, m_fenster);
    return QMessageBox::StandardButton(box.exec());
}

void Nachrichten::hinweis(const QString& text, const QString& titel)
{
    zeigen(QMessageBox::NoIcon, titel, text, QMessageBox::Ok);
}

void Nachrichten::fehler(const QString& text)
{
    zeigen(QMessageBox::Warning, QStringLiteral("Zuvora"), text, QMessageBox::Ok);
}

bool Nachrichten::frage(const QString& text, const QString& titel)
{
    return zeigen(QMessageBox::Question, titel, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}
