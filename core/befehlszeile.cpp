#include "core/befehlszeile.h"

#include "core/startordner.h"
#include "core/version.h"

#include <cstdio>
#include <cstring>

namespace {

QString optionsname(const QString& name)
{
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

Befehlszeile::Befehlszeile(const QStringList& argumente)
    : m_hilfe({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Diese Hilfe zeigen.")),
      m_version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Die Version zeigen.")),
      m_menü(QString::fromLatin1(Startordner::menüschalter).mid(2),
             QStringLiteral("Im Ordner ~/Zuvora arbeiten (er wird angelegt, wenn er fehlt);\n"
                            "                 so startet der Menüeintrag.")),
      m_pdf(QStringLiteral("pdf"),
            QStringLiteral("Einen Ausdruck ohne Fenster als PDF-Datei schreiben:\n"
                           "                 berechnung, anschreiben oder uebersicht."),
            QStringLiteral("art")),
      m_fall(QStringLiteral("fall"), QStringLiteral("Der Fall 1 bis 7 für --pdf."), QStringLiteral("n")),
      m_datei(QStringLiteral("datei"), QStringLiteral("Die PDF-Datei für --pdf."), QStringLiteral("pfad"))
{
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    hinzufügen(m_menü);
    hinzufügen(m_hilfe);
    hinzufügen(m_version);
    hinzufügen(m_pdf);
    hinzufügen(m_fall);
    hinzufügen(m_datei);
    if (!m_parser.parse(argumente)) {
        m_auftrag = Auftrag::Fehler;
        // Qt names the option in English; the program says it itself.
        const QStringList unbekannt = m_parser.unknownOptionNames();
        m_fehler = unbekannt.isEmpty()
                       ? QStringLiteral("Nach --pdf, --fall und --datei muss ein Wert folgen.")
                       : QStringLiteral("Unbekannte Option „%1“.").arg(optionsname(unbekannt.first()));
    } else if (m_parser.isSet(m_hilfe)) {
        m_auftrag = Auftrag::Hilfe;
    } else if (m_parser.isSet(m_version)) {
        m_auftrag = Auftrag::Version;
    } else if (m_parser.isSet(m_pdf) || m_parser.isSet(m_fall) || m_parser.isSet(m_datei)) {
        bool zahl = false;
        const int n = m_parser.value(m_fall).toInt(&zahl);
        const QStringList arten{QStringLiteral("berechnung"), QStringLiteral("anschreiben"),
                                QStringLiteral("uebersicht")};
        m_auftrag = Auftrag::Fehler;
        if (!arten.contains(pdfArt()))
            m_fehler = QStringLiteral("--pdf verlangt berechnung, anschreiben oder uebersicht.");
        else if (!zahl || n < 1 || n > 7)
            m_fehler = QStringLiteral("--fall verlangt eine Fallnummer von 1 bis 7.");
        else if (pdfDatei().isEmpty())
            m_fehler = QStringLiteral("--datei verlangt den Namen der PDF-Datei.");
        else if (!m_parser.positionalArguments().isEmpty() || m_parser.isSet(m_menü))
            m_fehler = QStringLiteral("--pdf nimmt außer --fall und --datei nichts weiter.");
        else
            m_auftrag = Auftrag::Pdf;
    } else if (!m_parser.positionalArguments().isEmpty()) {
        m_auftrag = Auftrag::Fehler;
        m_fehler =
            QStringLiteral("Zuvora nimmt keine Dateinamen („%1“); es arbeitet mit atv.txt und atvi.txt "
                           "im aktuellen Ordner.")
                .arg(m_parser.positionalArguments().first());
    }
}

void Befehlszeile::hinzufügen(const QCommandLineOption& option)
{
    m_parser.addOption(option);
    m_optionen.append(option);
}

bool Befehlszeile::menü() const
{
    return m_auftrag == Auftrag::Starten && m_parser.isSet(m_menü);
}

QString Befehlszeile::hilfetext() const
{
    QString text =
        QStringLiteral("Aufruf: zuvora [Optionen]\n\n"
                       "Zuvora %1 berechnet die Zusatzversorgung (Betriebsrente) des öffentlichen "
                       "Dienstes\nnach dem Punktemodell der Tarifverträge ATV / ATV-K. Es arbeitet im "
                       "aktuellen Ordner\nmit den Dateien atv.txt (die Fälle) und atvi.txt (der Text "
                       "des Anschreibens).\n\nOptionen:\n")
            .arg(QLatin1String(Version::text));
    QStringList namen;
    int breite = 0;
    for (const QCommandLineOption& option : m_optionen) {
        QStringList teile;
        for (const QString& name : option.names())
            teile.append(optionsname(name));
        namen.append(teile.join(QStringLiteral(", ")));
        breite = std::max(breite, int(namen.last().size()));
    }
    for (qsizetype i = 0; i < m_optionen.size(); ++i)
        text += QStringLiteral("  %1  %2\n").arg(namen[i], -breite).arg(m_optionen[i].description());
    text += QStringLiteral("\nDie Hilfe zum Programm steht im Programm selbst (Knopf „Hilfe“ oder F1).\n");
    return text;
}

QString Befehlszeile::ausgabe() const
{
    switch (m_auftrag) {
    case Auftrag::Starten:
    case Auftrag::Pdf: return {};
    case Auftrag::Hilfe: return hilfetext();
    case Auftrag::Version: return QStringLiteral("zuvora %1\n").arg(QLatin1String(Version::text));
    case Auftrag::Fehler: break;
    }
    return QStringLiteral("zuvora: %1\nAufruf: zuvora [--menue] | --help | --version\n"
                          "        zuvora --pdf berechnung|anschreiben|uebersicht --fall N --datei PFAD\n")
        .arg(m_fehler);
}

int Befehlszeile::antworten() const
{
    const QByteArray text = ausgabe().toLocal8Bit();
    std::FILE* ziel = m_auftrag == Auftrag::Fehler ? stderr : stdout;
    std::fwrite(text.constData(), 1, std::size_t(text.size()), ziel);
    std::fflush(ziel);
    return m_auftrag == Auftrag::Fehler ? 2 : 0;
}

bool Befehlszeile::druckauftrag(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--pdf") == 0 || std::strncmp(argv[i], "--pdf=", 6) == 0)
            return true;
    return false;
}

bool Befehlszeile::nurTerminal(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* frage : {"-h", "--help", "-help", "-v", "--version", "-version"})
            if (std::strcmp(argv[i], frage) == 0)
                return true;
    return false;
}
