#pragma once

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <optional>

class Brieftext;
class Meldungen;
class QLineEdit;
class QPushButton;

// The editor of the letter text: one box per line of "atvi.txt". It is not modal; the
// main window stays usable while it is open. Boxes accept only characters the file can
// store. (The form "Text" as designed.)
class Textfenster : public QWidget
{
    Q_OBJECT
public:
    static constexpr int Breite = 8535; // client area, twips
    static constexpr int Höhe = 9315;

    Textfenster(Brieftext& datei, Meldungen& meldungen, QWidget* hauptfenster);

    // Puts the lines into the boxes, each with its trailing blanks.
    void zeilenZeigen(const QStringList& zeilen);
    // The file's bytes the lines came from: a save checks that nobody has changed them since.
    void standMerken(const QByteArray& stand) { m_stand = stand; }
    QStringList zeilen() const;
    // Shows the window with its top edge at the main window's top and box 1 focused.
    void Form_Load();

    QLineEdit* bescheid(int n) const { return m_bescheid.value(n - 1); }
    QPushButton* speichernKnopf() const { return m_speichern; }
    QPushButton* ohneSpeichernKnopf() const { return m_ohneSpeichern; } // Command1 as designed
    QPushButton* standardKnopf() const { return m_standard; }

    // "Schließen mit Speichern": stores the lines and closes; a failed save keeps the
    // window and the edits.
    void Speichern_Click();
    // "Standardtext wiederherstellen": after a question, the default wording in the boxes; the
    // file changes only when it is saved.
    void Standardtext_Click();
    // "Schließen ohne zu Speichern" (Command1_Click as designed): closes and forgets the edits.
    void OhneSpeichern_Click();

protected:
    void keyPressEvent(class QKeyEvent* ereignis) override;

private:
    Brieftext& m_datei;
    Meldungen& m_meldungen;
    QWidget* m_hauptfenster;
    QList<QLineEdit*> m_bescheid;
    std::optional<QByteArray> m_stand;
    QStringList m_gezeigt; // the lines as loaded
    QPushButton* m_speichern = nullptr;
    QPushButton* m_ohneSpeichern = nullptr;
    QPushButton* m_standard = nullptr;
};

// Opens the editor for the main window and keeps it: one editor at a time.
class Textbearbeitung
{
public:
    Textbearbeitung(Brieftext& datei, Meldungen& meldungen, QWidget* hauptfenster);
    ~Textbearbeitung();

    // Opens the letter-text editor, or reloads and raises it when it is open.
    void infoladen();
    // Closes the editor without saving, if it is open.
    void textSchließen();
    Textfenster* textfenster() const { return m_text.data(); }

private:
    Brieftext& m_datei;
    Meldungen& m_meldungen;
    QWidget* m_hauptfenster;
    QPointer<Textfenster> m_text;
};
