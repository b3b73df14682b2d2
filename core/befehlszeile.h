#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

// What the program is asked to do from its command line. Without options it starts in the
// current folder; "--menue" starts it in ~/Zuvora, as the desktop menu does. "--help" and
// "--version" answer on the terminal and start nothing: no window, no files.
class Befehlszeile
{
public:
    enum class Auftrag { Starten, Hilfe, Version, Fehler };

    // `argumente` as QCoreApplication::arguments() gives them: the program first, the window
    // system's own options (-platform, -style, ...) already taken out.
    explicit Befehlszeile(const QStringList& argumente);

    Auftrag auftrag() const { return m_auftrag; }
    bool menü() const;
    // The help, the version, or what was wrong; empty for a start.
    QString ausgabe() const;
    // Writes the answer to stdout (help, version) or stderr (a wrong option) and gives the
    // exit status: 0, or 2 for a wrong command line.
    int antworten() const;

    // Whether the raw command line asks only for an answer on the terminal, so that the
    // program can do without a window system: a terminal without a display must still get
    // its help.
    static bool nurTerminal(int argc, const char* const* argv);

private:
    void hinzufügen(const QCommandLineOption& option);
    QString hilfetext() const;

    QCommandLineParser m_parser;
    QList<QCommandLineOption> m_optionen;
    QCommandLineOption m_hilfe, m_version, m_menü;
    Auftrag m_auftrag = Auftrag::Starten;
    QString m_fehler;
};
