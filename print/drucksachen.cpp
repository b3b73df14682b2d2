#include "print/drucksachen.h"

#include "core/arbeitsstand.h"
#include "core/beratung.h"
#include "core/dateiablage.h"
#include "core/deutsch.h"
#include "core/meldungen.h"
#include "core/version.h"
#include "print/berechnungsdruck.h"
#include "print/bescheiddruck.h"
#include "print/druckerflaeche.h"
#include "print/uebersichtsdruck.h"
#include "table/zellenmodell.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace {

// Qt's PDF writer names title, creator and producer but no author. The author is added the
// way PDF foresees for changes: an appended update that gives the document information a
// new version, leaving every byte before it as Qt wrote it. A document whose end does not
// read as expected is left as it is.
QByteArray mitVerfasser(const QByteArray& pdf, const QString& verfasser)
{
    static const QRegularExpression schluss(
        QStringLiteral("trailer\\s*<<(.*?)>>\\s*startxref\\s*(\\d+)\\s*%%EOF\\s*$"),
        QRegularExpression::DotMatchesEverythingOption);
    const QString ende = QString::fromLatin1(pdf.right(1024));
    const QRegularExpressionMatch t = schluss.match(ende);
    if (!t.hasMatch())
        return pdf;
    const QString anhang = t.captured(1);
    const auto wert = [&](const char* name) {
        return QRegularExpression(QStringLiteral("/%1\\s+(\\d+(?:\\s+0\\s+R)?)").arg(QLatin1String(name)))
            .match(anhang)
            .captured(1);
    };
    const QString größe = wert("Size"), wurzel = wert("Root"), info = wert("Info");
    if (größe.isEmpty() || wurzel.isEmpty() || info.isEmpty())
        return pdf;
    const QByteArray nummer = info.section(u' ', 0, 0).toLatin1();
    const QRegularExpressionMatch alt =
        QRegularExpression(QStringLiteral("\\n%1 0 obj\\s*<<(.*?)>>\\s*endobj").arg(QLatin1String(nummer)),
                           QRegularExpression::DotMatchesEverythingOption)
            .match(QString::fromLatin1(pdf));
    if (!alt.hasMatch())
        return pdf;
    QByteArray text = "FEFF";
    for (const QChar c : verfasser)
        text += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
    QByteArray neu = pdf;
    if (!neu.endsWith('\n'))
        neu += '\n';
    const qsizetype stelle = neu.size();
    neu += nummer + " 0 obj\n<<" + alt.captured(1).toLatin1() + "\n/Author <" + text + ">\n>>\nendobj\n";
    const qsizetype verzeichnis = neu.size();
    neu += "xref\n" + nummer + " 1\n" + QByteArray::number(stelle).rightJustified(10, '0') + " 00000 n \n";
    neu += "trailer\n<<\n/Size " + größe.toLatin1() + "\n/Root " + wurzel.toLatin1() + "\n/Info " +
           info.toLatin1() + "\n/Prev " + t.captured(2).toLatin1() + "\n>>\nstartxref\n" +
           QByteArray::number(verzeichnis) + "\n%%EOF\n";
    return neu;
}

} // namespace

Drucksachen::Drucksachen(const Zellenmodell& tabelle, const Arbeitsstand& stand, Dateiablage& ablage,
                         Meldungen& meldungen)
    : m_tabelle(tabelle), m_stand(stand), m_ablage(ablage), m_meldungen(meldungen), m_brieftext(ablage)
{}

Drucksachen::~Drucksachen() = default;

QString Drucksachen::standarddrucker() const
{
    return QPrinterInfo::defaultPrinterName();
}

QString Drucksachen::heute() const
{
    return Deutsch::kurzdatum(QDate::currentDate());
}

QString Drucksachen::pdfPfad(const QString& art) const
{
    // Only a folder the system can still name: a deleted one or one whose path is too long
    // must not turn into some other folder, such as "/".
    char* ordner = ::getcwd(nullptr, 0);
    if (!ordner)
        return {};
    const QString pfad = QFile::decodeName(ordner);
    std::free(ordner);
    return QDir(pfad).absoluteFilePath(QStringLiteral("%1-Fall%2.pdf").arg(art).arg(m_stand.datensatznummer));
}

QString Drucksachen::dokumenttitel(const QString& art) const
{
    const Datensatz& s = m_stand.datensatz;
    return QStringLiteral("%1 %2 %3, %4").arg(art, s.vorname.trimmed(), s.nachname.trimmed(), heute());
}

QString Drucksachen::pdfVorschlagBerechnung() const
{
    return QStringLiteral("Berechnung-%1-%2.pdf")
        .arg(m_stand.nameFürDatei())
        .arg(QDate::currentDate().year());
}

QString Drucksachen::pdfVorschlagAnschreiben() const
{
    return QStringLiteral("Anschreiben-%1.pdf").arg(m_stand.nameFürDatei());
}

QString Drucksachen::pdfVorschlagÜbersicht() const
{
    return QStringLiteral("Übersicht-%1-%2.pdf").arg(m_stand.nameFürDatei()).arg(QDate::currentDate().year());
}

QString Drucksachen::auszahlungszeile() const
{
    const Datensatz& satz = m_stand.datensatz;
    if (!satz.beratung.briefzeile)
        return {};
    const Krankenversicherung::Abzüge a = satz.beratung.abzüge(
        m_stand.rechnung.renteAbBeginn, m_stand.rechnung.geburtsjahr, m_stand.beitragswerte);
    return QStringLiteral("Nach Kranken- und Pflegeversicherung ausgezahlt: voraussichtlich %1 Euro")
        .arg(a.netto.alsText(2, Deutsch::dezimaltrenner()));
}

Ergebnis Drucksachen::übersichtdrucken(const QString& pdfDatei)
{
    return übersichtdrucken(pdfDatei, m_stand.datensatz.beratung, m_stand.beitragswerte);
}

Ergebnis Drucksachen::übersichtdrucken(const QString& pdfDatei, const Beratungsangaben& angaben,
                                       const Krankenversicherung::Werte& werte)
{
    return melden(ausgeben(QStringLiteral("Übersicht"), dokumenttitel(QStringLiteral("Übersicht")), pdfDatei,
                           übersicht(angaben, werte)));
}

Ergebnis Drucksachen::übersichtAuf(QPrinter& drucker, const Beratungsangaben& angaben,
                                   const Krankenversicherung::Werte& werte)
{
    return aufGewähltem(drucker, dokumenttitel(QStringLiteral("Übersicht")), übersicht(angaben, werte));
}

Drucksachen::Inhalt Drucksachen::übersicht(const Beratungsangaben& angaben,
                                           const Krankenversicherung::Werte& werte) const
{
    Fallwerte fallwerte = m_stand.fallwerte(m_stand.laufendesJahr);
    fallwerte.abschlagsmonate = angaben.abschlagsmonate;
    auto beratung =
        std::make_shared<const Beratung>(beraten(fallwerte, m_stand.datensatz.rentenbeginn, angaben, werte));
    return [this, beratung](Druckfläche& f) {
        const Diagrammdaten diagramm = diagrammdaten(*beratung, m_stand.laufendesJahr);
        return Übersichtsdruck(f, m_stand.datensatz, *beratung, diagramm, heute()).drucken();
    };
}

Drucksachen::Inhalt Drucksachen::berechnung() const
{
    return [this](Druckfläche& f) {
        Berechnungsdruck druck(f, m_tabelle, m_stand.datensatz, heute());
        druck.setzeRechnung(m_stand.rechnung);
        return druck.berechnungdrucken();
    };
}

Drucksachen::Inhalt Drucksachen::anschreiben(QString& fehler)
{
    QStringList zeilen;
    if (const Ergebnis e = m_nurLesen ? m_brieftext.ansehen(zeilen) : m_brieftext.holen(zeilen); !e.ok) {
        fehler = e.meldung;
        return {};
    }
    // The letter names the pension at the start, and a reduction on a line of its own.
    const Fallrechnung& rechnung = m_stand.rechnung;
    const Rentenbeginn::Beginn& beginn = rechnung.beginn;
    const QChar trenner = Deutsch::dezimaltrenner();
    QString abschlag;
    if (beginn.abschlagMonate > 0)
        abschlag = QStringLiteral("(%1 Euro abzüglich %2 % Abschlag für den Rentenbeginn mit %3 Jahren)")
                       .arg(rechnung.rente.alsText(2, trenner), beginn.abschlagProzent.alsText(1, trenner))
                       .arg(beginn.alter.jahre);
    return [this, zeilen, abschlag, trenner](Druckfläche& f) {
        const Fallrechnung& rechnung = m_stand.rechnung;
        Bescheiddruck brief(f, m_stand.datensatz, zeilen, rechnung.renteAbBeginn, trenner, heute());
        brief.setzeAbschlagszeile(abschlag);
        if (!rechnung.beginn.wieBisher())
            brief.setzeRentenalter(rechnung.beginn.alter);
        brief.setzeAuszahlungszeile(auszahlungszeile());
        return brief.Bescheiddrucken();
    };
}

Ergebnis Drucksachen::berechnungdrucken(const QString& pdfDatei)
{
    return melden(ausgeben(QStringLiteral("Berechnung"), dokumenttitel(QStringLiteral("Berechnung")),
                           pdfDatei, berechnung()));
}

Ergebnis Drucksachen::Bescheiddrucken(const QString& pdfDatei)
{
    QString fehler;
    const Inhalt inhalt = anschreiben(fehler);
    if (!inhalt)
        return melden(Ergebnis::fehler(
            fehler + (pdfDatei.isEmpty() ? QStringLiteral(" Das Anschreiben wurde nicht gedruckt.")
                                         : QStringLiteral(" Das Anschreiben wurde nicht gespeichert."))));
    return melden(ausgeben(QStringLiteral("Anschreiben"), dokumenttitel(QStringLiteral("Anschreiben")),
                           pdfDatei, inhalt));
}

Ergebnis Drucksachen::berechnungAuf(QPrinter& drucker)
{
    return aufGewähltem(drucker, dokumenttitel(QStringLiteral("Berechnung")), berechnung());
}

Ergebnis Drucksachen::anschreibenAuf(QPrinter& drucker)
{
    QString fehler;
    const Inhalt inhalt = anschreiben(fehler);
    if (!inhalt)
        return melden(Ergebnis::fehler(fehler + QStringLiteral(" Das Anschreiben wurde nicht gedruckt.")));
    return aufGewähltem(drucker, dokumenttitel(QStringLiteral("Anschreiben")), inhalt);
}

Ergebnis Drucksachen::aufGewähltem(QPrinter& drucker, const QString& titel, const Inhalt& inhalt)
{
    drucker.setDocName(titel);
    const QString name = drucker.outputFormat() == QPrinter::PdfFormat
                             ? QDir::toNativeSeparators(drucker.outputFileName())
                             : drucker.printerName();
    Druckerfläche fläche(drucker, name);
    const Ergebnis e = inhalt(fläche);
    return melden(e.ok ? e : Ergebnis::fehler(QStringLiteral("Der Druck ist fehlgeschlagen: ") + e.meldung));
}

Ergebnis Drucksachen::melden(Ergebnis ergebnis)
{
    if (!ergebnis.ok)
        m_meldungen.fehler(ergebnis.meldung);
    else if (!ergebnis.meldung.isEmpty())
        m_meldungen.hinweis(ergebnis.meldung, QStringLiteral("Zuvora"));
    return ergebnis;
}

Ergebnis Drucksachen::ausgeben(const QString& art, const QString& titel, const QString& pdfDatei,
                               const std::function<Ergebnis(Druckfläche&)>& inhalt)
{
    // A warning of the saved PDF follows the note on a line of its own.
    const auto zusatz = [](const Ergebnis& e) { return e.meldung.isEmpty() ? QString() : u'\n' + e.meldung; };
    if (!pdfDatei.isEmpty()) {
        const Ergebnis e = alsPdf(pdfDatei, titel, inhalt);
        if (!e.ok)
            return Ergebnis::fehler(QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden: ") +
                                    e.meldung);
        return Ergebnis::hinweis(QStringLiteral("Der Ausdruck wurde als PDF-Datei gespeichert:\n%1")
                                     .arg(QDir::toNativeSeparators(pdfDatei)) +
                                 zusatz(e));
    }
    const QString drucker = standarddrucker();
    if (!drucker.isEmpty()) {
        const Ergebnis e = aufDrucker(drucker, titel, inhalt);
        if (!e.ok)
            return Ergebnis::fehler(QStringLiteral("Der Druck ist fehlgeschlagen: ") + e.meldung);
        return {};
    }
    const QString pfad = pdfPfad(art);
    if (pfad.isEmpty())
        return Ergebnis::fehler(
            QStringLiteral("Es ist kein Drucker eingerichtet, und die PDF-Datei kann nicht "
                           "gespeichert werden: Der aktuelle Ordner ist nicht mehr erreichbar. %1")
                .arg(systemgrund(errno)));
    // The same case's earlier PDF is replaced; the user is told so rather than finding out.
    const bool ersetzt = QFileInfo::exists(pfad);
    const Ergebnis e = alsPdf(pfad, titel, inhalt);
    if (!e.ok)
        return Ergebnis::fehler(QStringLiteral("Es ist kein Drucker eingerichtet, und die PDF-Datei konnte "
                                               "nicht gespeichert werden: ") +
                                e.meldung);
    return Ergebnis::hinweis(
        QStringLiteral("Es ist kein Drucker eingerichtet. Der Ausdruck wurde als PDF-Datei "
                       "gespeichert%1:\n%2")
            .arg(ersetzt ? QStringLiteral(" und ersetzt die frühere Datei dieses Falls") : QString(),
                 QDir::toNativeSeparators(pfad)) +
        zusatz(e));
}

Ergebnis Drucksachen::aufDrucker(const QString& name, const QString& titel,
                                 const std::function<Ergebnis(Druckfläche&)>& inhalt)
{
    // A printer unknown to Qt would quietly turn into another printer or a PDF writer.
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    const QString unerreichbar = QStringLiteral("Der Standarddrucker „%1“ ist nicht erreichbar.").arg(name);
    if (info.isNull()) {
        return Ergebnis::fehler(unerreichbar);
    }
    QPrinter drucker(info, QPrinter::HighResolution);
    if (drucker.outputFormat() != QPrinter::NativeFormat || !drucker.isValid() ||
        drucker.printerName() != name) {
        return Ergebnis::fehler(unerreichbar);
    }
    drucker.setDocName(titel);
    Druckerfläche fläche(drucker, name);
    return inhalt(fläche);
}

Ergebnis Drucksachen::alsPdf(const QString& pfad, const QString& titel,
                             const std::function<Ergebnis(Druckfläche&)>& inhalt)
{
    // The document is made in memory and saved in one piece, so that a failure never
    // leaves half a file and a later printout of the same case replaces the earlier one.
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&puffer);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Zuvora ") + QLatin1String(Version::text));
        pdf.setResolution(1200);
        // The printable area of an ordinary office printer.
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter));
        Druckerfläche fläche(pdf, QStringLiteral("PDF"));
        if (Ergebnis e = inhalt(fläche); !e.ok)
            return e;
    }
    return m_ablage.ersetzen(pfad, mitVerfasser(puffer.data(), QStringLiteral("Zuvora")));
}
