#pragma once

#include <QDialog>
#include <QString>

class QLabel;

// "Programm-Info": name, version, copyright and licence (the full text one click away), the
// Qt version, and the folder, files and lock the program works with right now. The copyright
// line and the licence are those of the package's copyright file.
class Programminfo : public QDialog
{
    Q_OBJECT
public:
    struct Angaben {
        QString ordner;    // the working folder, absolute
        QString falldatei; // absolute paths
        QString brieftext;
        QString sperrdatei;
        QString sperrinhaber; // who holds the lock, in words
    };

    static constexpr char Urheber[] = "2026 Zuvora <zuvora@example.org>";
    static constexpr char Lizenzkurz[] = "GPL-3+";

    explicit Programminfo(const Angaben& angaben, QWidget* parent = nullptr);

    // The text of the box, for a screen reader and the tests.
    QString text() const;
    // Opens the full licence text in a window of its own.
    void lizenzZeigen();

private:
    QLabel* m_text;
};
