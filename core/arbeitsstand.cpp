#include "core/arbeitsstand.h"

namespace {

constexpr int JüngstesAlter = 17;
constexpr std::array<int, 49> Altersfaktoren{
    31, 30, 29, 28, 27, 26, 25, 24, 24, 23, 22, 22, 21, 20, 20, 19, 19, 18, 17, 17, 16, 16, 16, 15, 15,
    14, 14, 13, 13, 13, 12, 12, 12, 11, 11, 11, 10, 10, 10, 10, 9,  9,  9,  9,  9,  8,  8,  8,  8};

} // namespace

int altersfaktor(int alter)
{
    const int k = alter - JüngstesAlter;
    if (k < 0 || k >= int(Altersfaktoren.size()))
        return 0;
    return Altersfaktoren[std::size_t(k)];
}

int altersfaktorBisRentenbeginn(int alter)
{
    return alter > JüngstesAlter + int(Altersfaktoren.size()) - 1 ? Altersfaktoren.back()
                                                                  : altersfaktor(alter);
}

int führendeZahl(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    int wert = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (wert > 100000000) // far beyond any year; keeps the sum defined
            break;
        wert = wert * 10 + (text[i].unicode() - u'0');
    }
    return wert;
}

void Arbeitsstand::übernehmen(const Datensatz& satz)
{
    datensatz = satz;
    // What no sum of the program could hold is not used (opening the file said so).
    datensatz.übergroßeBeträgeNullen();
    const Fallwerte w = Fallwerte::aus(datensatz, 0);
    geburtsjahr = w.geburtsjahr;
    startgutschrift = w.startgutschrift;
    entgelt = w.entgelt;
    elternzeit = w.elternzeit;
    bonus = w.bonus;
}

Fallwerte Arbeitsstand::fallwerte(int laufendesJahr) const
{
    // The record's own values, with the table's inputs in place of its stored ones.
    Fallwerte w = Fallwerte::aus(datensatz, laufendesJahr);
    w.geburtsjahr = geburtsjahr;
    w.startgutschrift = startgutschrift;
    w.entgelt = entgelt;
    w.elternzeit = elternzeit;
    w.bonus = bonus;
    return w;
}

QString Arbeitsstand::nameFürDatei() const
{
    QString name;
    for (const QChar c : datensatz.nachname.simplified()) {
        // What no file system of an office takes, or a shared folder on Windows refuses; and
        // every control character (below 0x20, DEL, 0x80 to 0x9F), which a file dialog shows as nothing.
        const bool verboten = c.category() == QChar::Other_Control || QStringView(u"/\\:*?\"<>|").contains(c);
        name.append(verboten ? u'_' : c);
    }
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("Fall%1").arg(datensatznummer) : name;
}
