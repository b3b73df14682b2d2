#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// What the program is asked to do from its command line. Without options it starts in the
// current folder; "--menue" starts it in ~/Zuvora, as the desktop menu does. "--help" and
// "--version" answer on the terminal and start nothing: no window, no files.
// "--pdf berechnung|anschreiben|uebersicht --fall N --datei PFAD" writes one printout of a
// case of the current folder as a PDF file, without a window.
class Befehlszeile
{
public:
    enum class Auftrag { Starten, Hilfe, Version, Pdf, Fehler };

    // `argumente` as QCoreApplication::arguments() gives them: the program first, the window
    // system's own options (-platform, -style, ...) already taken out.
    explicit Befehlszeile(const QStringList& argumente);

    Auftrag auftrag() const { return m_auftrag; }
    bool menü() const;
    // For a printout: "berechnung", "anschreiben" or "uebersicht", the case 1..7, the file.
    QString pdfArt() const { return m_parser.value(m_pdf); }
    int fall() const { return m_parser.value(m_fall).toInt(); }
    QString pdfDatei() const { return m_parser.value(m_datei); }
    // The help, the version, or what was wrong; empty for a start.
    QString ausgabe() const;
    // Writes the answer to stdout (help, version) or stderr (a wrong option) and gives the
    // exit status: 0, or 2 for a wrong command line.
    int antworten() const;

    // Whether the raw command line asks only for an answer on the terminal, so that the
    // program can do without a window system: a terminal without a display must still get
    // its help.
    static bool nurTerminal(int argc, const char* const* argv);
    // Whether the raw command line asks for a printout, which needs fonts but no display.
    static bool druckauftrag(int argc, const char* const* argv);

private:
    void hinzufügen(const QCommandLineOption& option);
    QString hilfetext() const;

    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_optionen;
    QCommandLineOption m_hilfe, m_version, m_menü, m_pdf, m_fall, m_datei;
    Auftrag m_auftrag = Auftrag::Starten;
    QString m_fehler;
};
