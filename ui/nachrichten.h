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
    // Shows what a change would do, line by line in a box of its own that scrolls and reads
    // aloud, under a sentence; true when the user chooses `knopf`. Esc and "Abbrechen" change
    // nothing. Tests answer it as a question (Yes takes it).
    bool vorschau(const QString& titel, const QString& einleitung, const QString& zeilen,
                  const QString& knopf);
    // The user's documents folder, or the home folder when there is none: where a file
    // dialog starts.
    static QString dokumentenordner();
    // Asks where to save a PDF file, offering `vorschlag` (a full path); empty when the user
    // cancels. A name without ending gets ".pdf".
    QString pdfSpeicherort(const QString& titel, const QString& vorschlag);
    // The same for any file to save (`speichern`) or open: `filter` as the file dialog takes
    // it, `endung` for a name without one. Tests answer it as the PDF dialog.
    QString datei(const QString& titel, const QString& vorschlag, const QString& filter,
                  const QString& endung, bool speichern);

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
