#include "core/zahleingabe.h"

#include <QList>

namespace Zahleingabe {

namespace {

bool ziffer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Whether the point at `p` groups thousands: exactly three digits follow it, and after them
// the text ends, a comma follows, or another point that groups thousands too. A point with
// no digit before it is a decimal point (".250" is a quarter, not 250).
bool tausenderpunkt(QStringView s, qsizetype p)
{
    if (p == 0 || !ziffer(s[p - 1]) || p + 3 >= s.size())
        return false;
    for (qsizetype k = p + 1; k <= p + 3; ++k)
        if (!ziffer(s[k]))
            return false;
    const qsizetype danach = p + 4;
    if (danach == s.size() || s[danach] == u',')
        return true;
    return s[danach] == u'.' && tausenderpunkt(s, danach);
}

QString name(Art art)
{
    switch (art) {
    case Art::Entgelt: return QStringLiteral("Jahresentgelte");
    case Art::Bonus: return QStringLiteral("Bonuspunkte");
    case Art::Startgutschrift: return QStringLiteral("Startgutschriften");
    }
    return {};
}

Gelesen abgelehnt(QString meldung)
{
    Gelesen g;
    g.meldung = std::move(meldung);
    return g;
}

} // namespace

Festkomma höchstwert(Art art)
{
    switch (art) {
    case Art::Entgelt: return Festkomma::ausGanzzahl(10'000'000);
    case Art::Bonus: return Festkomma::ausGanzzahl(100);
    case Art::Startgutschrift: return Festkomma::ausGanzzahl(10'000);
    }
    return {};
}

QString vorschrift(Art art)
{
    const QString beispiele = art == Art::Entgelt ? QStringLiteral("4500, 4500,50, 41.250,00 oder 4500.50")
                                                  : QStringLiteral("1, 1,25 oder 1.25");
    const QString einheit = art == Art::Entgelt ? QStringLiteral(" €") : QStringLiteral(" Punkte");
    return QStringLiteral("Möglich sind Zahlen von 0 bis %1%2 mit höchstens zwei Dezimalen, zum "
                          "Beispiel %3; der Punkt darf Tausender trennen, ein € davor oder danach "
                          "ist erlaubt.")
        .arg(höchstwert(art).alsText(2), einheit, beispiele);
}

Gelesen lesen(QStringView text, Art art)
{
    QStringView s = text.trimmed();
    if (s.startsWith(u'€'))
        s = s.sliced(1).trimmed();
    else if (s.endsWith(u'€'))
        s = s.chopped(1).trimmed();
    if (s.isEmpty()) {
        Gelesen g;
        g.leer = true;
        return g;
    }
    const QString keineZahl =
        QStringLiteral("„%1“ ist keine Zahl.\n").arg(text.trimmed().toString()) + vorschrift(art);
    const bool negativ = s.startsWith(u'-') || s.startsWith(u'−');
    if (negativ)
        s = s.sliced(1).trimmed();

    QString ganz, bruch;
    bool trennerGesehen = false;
    for (qsizetype k = 0; k < s.size(); ++k) {
        const QChar c = s[k];
        if (ziffer(c)) {
            (trennerGesehen ? bruch : ganz).append(c);
        } else if (c == u'.' && !trennerGesehen && tausenderpunkt(s, k)) {
            continue;
        } else if ((c == u',' || c == u'.') && !trennerGesehen) {
            trennerGesehen = true;
        } else {
            return abgelehnt(keineZahl);
        }
    }
    if (ganz.isEmpty() && bruch.isEmpty())
        return abgelehnt(keineZahl);
    while (bruch.endsWith(u'0'))
        bruch.chop(1);
    while (ganz.size() > 1 && ganz.startsWith(u'0'))
        ganz.remove(0, 1);
    if (bruch.size() > 2)
        return abgelehnt(QStringLiteral("%1 haben höchstens zwei Dezimalen: „%2“ ist genauer.\n")
                             .arg(name(art), text.trimmed().toString()) +
                         vorschrift(art));
    const bool null = ganz.toLongLong() == 0 && bruch.toLongLong() == 0;
    if (negativ && !null)
        return abgelehnt(QStringLiteral("%1 können nicht negativ sein.\n").arg(name(art)) + vorschrift(art));
    // Eleven digits are more than any limit; the check keeps the arithmetic in 64 bits.
    const Festkomma wert = ganz.size() > 11 ? Festkomma::ausRoh(Festkomma::Größter)
                                            : Festkomma::ausRoh(ganz.toLongLong() * Festkomma::Skala +
                                                                bruch.leftJustified(4, u'0').toLongLong());
    if (wert > höchstwert(art))
        return abgelehnt(QStringLiteral("%1 über %2 nimmt das Programm nicht an: „%3“ ist zu groß.\n")
                             .arg(name(art), höchstwert(art).alsText(2), text.trimmed().toString()) +
                         vorschrift(art));
    Gelesen g;
    g.wert = wert;
    return g;
}

} // namespace Zahleingabe
