#include "core/datensatz.h"

#include "core/sozialekomponente.h"

#include <QtEndian>

namespace Zeichensatz {

namespace {

// Windows-1252 is Latin-1 but for the bytes 0x80..0x9F. The five of them the code page leaves
// open stand for the control characters of the same number, as in Qt's converter, so that
// every byte reads back as it was. A table of our own rather than Qt's converter: that one
// loads the ICU conversion data, a megabyte of memory for 32 characters.
constexpr char16_t Zeichen80bis9F[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                         0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The byte for a character, or -1 when the code page has none.
int byteFür(char16_t zeichen)
{
    if (zeichen < 0x80 || (zeichen >= 0xA0 && zeichen <= 0xFF))
        return zeichen;
    for (int i = 0; i < 32; ++i)
        if (Zeichen80bis9F[i] == zeichen)
            return 0x80 + i;
    return -1;
}

} // namespace

QByteArray kodieren(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t zeichen = text[i].unicode();
        if (const int byte = byteFür(zeichen); byte >= 0) {
            bytes += char(byte);
            continue;
        }
        // A character without a place in the code page (refused where it is typed) must still
        // not shift the fixed widths: one '?' for it, a surrogate pair being one character.
        if (QChar::isHighSurrogate(zeichen) && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes += '?';
    }
    return bytes;
}

QString dekodieren(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* ziel = text.data();
    for (const char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        *ziel++ = QChar(byte >= 0x80 && byte < 0xA0 ? Zeichen80bis9F[byte - 0x80] : char16_t(byte));
    }
    return text;
}

bool speicherbar(QChar zeichen)
{
    return byteFür(zeichen.unicode()) >= 0;
}

QByteArray festeBreite(QStringView text, int breite)
{
    QByteArray bytes = kodieren(text);
    if (bytes.size() > breite)
        bytes.truncate(breite);
    else
        bytes.append(breite - bytes.size(), ' ');
    return bytes;
}

} // namespace Zeichensatz

namespace {

constexpr int OffsetStartgutschrift = 145;
constexpr int OffsetEntgelt = 153;
constexpr int OffsetElternzeit = 553;
constexpr int OffsetBonus = 953;
constexpr int OffsetKinder1 = 1353;
constexpr int OffsetKinder2 = 1453;
constexpr int OffsetMonate1 = 1553;
constexpr int OffsetMonate2 = 1653;

void schreibeFestkomma(char* ziel, Festkomma wert)
{
    qToLittleEndian<qint64>(wert.roh(), ziel);
}

Festkomma leseFestkomma(const char* quelle)
{
    return Festkomma::ausRoh(qFromLittleEndian<qint64>(quelle));
}

// The blank record: 145 blanks for the texts, then zeros for every number.
QByteArray grundstellungBytes()
{
    QByteArray bytes(OffsetStartgutschrift, ' ');
    bytes.resize(Datensatz::Länge, '\0');
    return bytes;
}

} // namespace

QString& Datensatz::text(Textfeld feld)
{
    return const_cast<QString&>(std::as_const(*this).text(feld));
}

const QString& Datensatz::text(Textfeld feld) const
{
    switch (feld) {
    case Anrede: return anrede;
    case Vorname: return vorname;
    case Nachname: return nachname;
    case Geburtstag: return geburtstag;
    case Geburtsmonat: return geburtsmonat;
    case Geburtsjahr: return geburtsjahr;
    case Versicherungsnummer: return versicherungsnummer;
    case Strasse: return strasse;
    case Wohnort:
    case AnzahlTextfelder: break;
    }
    return wohnort;
}

Datensatz Datensatz::grundstellung()
{
    Datensatz d;
    for (int f = 0; f < AnzahlTextfelder; ++f)
        d.text(Textfeld(f)) = QString(Textbreite[std::size_t(f)], u' ');
    return d;
}

Datensatz Datensatz::musterfall()
{
    Datensatz d = grundstellung();
    d.anrede = QStringLiteral("Frau");
    d.vorname = QStringLiteral("Hedwig");
    d.nachname = QStringLiteral("Wendler");
    d.geburtstag = QStringLiteral("1");
    d.geburtsmonat = QStringLiteral("1");
    d.geburtsjahr = QStringLiteral("1985");
    d.versicherungsnummer = QStringLiteral("ATV-120366M1234");
    d.strasse = QStringLiteral("Ulmenbergstrasse 9");
    d.wohnort = QStringLiteral("12345 Musterort");
    d.jahresentgelt.füllen(Festkomma::ausGanzzahl(30000));
    // Stored texts are fixed-width: read back, they carry their blanks.
    return ausBytes(d.alsBytes());
}

int Datensatz::letztesBelegtesJahr() const
{
    for (int i = Jahreswerte<int>::Höchstens; i > Jahreswerte<int>::Anzahl; --i) {
        if (jahresentgelt[i] != Festkomma() || elternzeitpunkte[i] != Festkomma() ||
            bonuspunkte[i] != Festkomma() || kinder1[i] != 0 || kinder2[i] != 0 || monate1[i] != 0 ||
            monate2[i] != 0)
            return i;
    }
    return Jahreswerte<int>::Anzahl;
}

// Calls `prüfen(wert, größter)` for every pay or point value with the largest it may be,
// on a const or a changeable record; true when one call said so.
template <class Satz, class Prüfung> bool jederBetrag(Satz& s, Prüfung prüfen)
{
    bool gefunden = prüfen(s.startgutschrift, Datensatz::GrößtePunkte);
    for (int i = 1; i <= Jahreswerte<int>::Höchstens; ++i) {
        gefunden = prüfen(s.jahresentgelt[i], Datensatz::GrößtesEntgelt) || gefunden;
        gefunden = prüfen(s.elternzeitpunkte[i], Datensatz::GrößtePunkte) || gefunden;
        gefunden = prüfen(s.bonuspunkte[i], Datensatz::GrößtePunkte) || gefunden;
    }
    return gefunden;
}

bool zuGroß(Festkomma wert, std::int64_t größter)
{
    const std::int64_t grenze = größter * Festkomma::Skala;
    return wert.roh() > grenze || wert.roh() < -grenze;
}

bool Datensatz::hatÜbergroßeBeträge() const
{
    return jederBetrag(*this, zuGroß);
}

bool Datensatz::übergroßeBeträgeNullen()
{
    return jederBetrag(*this, [](Festkomma& wert, std::int64_t größter) {
        const bool groß = zuGroß(wert, größter);
        if (groß)
            wert = Festkomma();
        return groß;
    });
}

bool Datensatz::hatUnmöglicheAnzahlen(int von, int bis) const
{
    using SozialeKomponente::gültigeAnzahl;
    for (int i = von; i <= bis; ++i)
        if (kinder1[i] != gültigeAnzahl(kinder1[i], SozialeKomponente::MaxKinder) ||
            kinder2[i] != gültigeAnzahl(kinder2[i], SozialeKomponente::MaxKinder) ||
            monate1[i] != gültigeAnzahl(monate1[i], SozialeKomponente::MaxMonate) ||
            monate2[i] != gültigeAnzahl(monate2[i], SozialeKomponente::MaxMonate))
            return true;
    return false;
}

bool Datensatz::erweitert() const
{
    return rentenbeginn != 0 || steigerung != Festkomma() || letztesBelegtesJahr() > Jahreswerte<int>::Anzahl;
}

QByteArray Datensatz::alsBytes() const
{
    QByteArray bytes;
    bytes.reserve(Länge);
    for (int f = 0; f < AnzahlTextfelder; ++f)
        bytes += Zeichensatz::festeBreite(text(Textfeld(f)), Textbreite[std::size_t(f)]);
    bytes.resize(Länge, '\0');
    char* d = bytes.data();
    schreibeFestkomma(d + OffsetStartgutschrift, startgutschrift);
    for (int i = 1; i <= Jahreswerte<int>::Anzahl; ++i) {
        const int k = i - 1;
        schreibeFestkomma(d + OffsetEntgelt + 8 * k, jahresentgelt[i]);
        schreibeFestkomma(d + OffsetElternzeit + 8 * k, elternzeitpunkte[i]);
        schreibeFestkomma(d + OffsetBonus + 8 * k, bonuspunkte[i]);
        qToLittleEndian<qint16>(kinder1[i], d + OffsetKinder1 + 2 * k);
        qToLittleEndian<qint16>(kinder2[i], d + OffsetKinder2 + 2 * k);
        qToLittleEndian<qint16>(monate1[i], d + OffsetMonate1 + 2 * k);
        qToLittleEndian<qint16>(monate2[i], d + OffsetMonate2 + 2 * k);
    }
    return bytes;
}

Datensatz Datensatz::ausBytes(QByteArrayView quelle)
{
    // A short tail reads as the blank record's bytes.
    QByteArray bytes = grundstellungBytes();
    std::copy_n(quelle.data(), std::min<qsizetype>(quelle.size(), Länge), bytes.data());
    const char* s = bytes.constData();
    Datensatz d;
    int offset = 0;
    for (int f = 0; f < AnzahlTextfelder; ++f) {
        const int breite = Textbreite[std::size_t(f)];
        d.text(Textfeld(f)) = Zeichensatz::dekodieren(QByteArrayView(s + offset, breite));
        offset += breite;
    }
    d.startgutschrift = leseFestkomma(s + OffsetStartgutschrift);
    for (int i = 1; i <= Jahreswerte<int>::Anzahl; ++i) {
        const int k = i - 1;
        d.jahresentgelt[i] = leseFestkomma(s + OffsetEntgelt + 8 * k);
        d.elternzeitpunkte[i] = leseFestkomma(s + OffsetElternzeit + 8 * k);
        d.bonuspunkte[i] = leseFestkomma(s + OffsetBonus + 8 * k);
        d.kinder1[i] = qFromLittleEndian<qint16>(s + OffsetKinder1 + 2 * k);
        d.kinder2[i] = qFromLittleEndian<qint16>(s + OffsetKinder2 + 2 * k);
        d.monate1[i] = qFromLittleEndian<qint16>(s + OffsetMonate1 + 2 * k);
        d.monate2[i] = qFromLittleEndian<qint16>(s + OffsetMonate2 + 2 * k);
    }
    return d;
}
