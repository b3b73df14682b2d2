#pragma once

#include "core/meldungen.h"

#include <QMessageBox>
#include <QPointer>
#include <QQueue>

class QWidget;

// Every message box and file dialog of the program goes through here. Tests queue the answers in advance;
// a box that finds no queued answer while answers are expected fails the test instead of
// waiting for a click that never comes.
class Nachrichten : public Meldungen
{
public:
    explicit Nachrichten(QWidget* fenster = nullptr) : m_fenster(fenster) {}

    void hinweis(const QString& text, const QString& titel) override;
    void fehler(const QString& text) override;
    bool frage(const QString& text, const QString& titel) override;
    // Asks where to save a PDF file, offering `vorschlag` (a full path); empty when the user
    // cancels. A name without ending gets ".pdf".
    QString pdfSpeicherort(const QString& titel, const QString& vorschlag);

    // Test support: the next boxes are answered with these buttons, in order.
    static void setzeNächsteAntwort(QMessageBox::StandardButton antwort);
    static void nurVorbereiteteAntworten(bool an);
    // The next file dialog answers with this path; an empty one cancels. The dialog is
    // recorded in gezeigte() with the path it offered as its text.
    static void setzeNächstenSpeicherort(const QString& pfad);
    struct Gezeigt {
        QString titel, text;
    };
    static QList<Gezeigt>& gezeigte();

private:
    QMessageBox::StandardButton zeigen(QMessageBox::Icon symbol, const QString& titel, const QString& text,
                                       QMessageBox::StandardButtons knöpfe);
    QPointer<QWidget> m_fenster;
};
