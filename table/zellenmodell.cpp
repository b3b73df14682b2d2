#include "table/zellenmodell.h"

#include <QBrush>

namespace {

const Zellenmodell::Zelle LeereZelle{};

// Numbers stand to the right, other texts to the left, as a grid's general alignment.
bool siehtAusWieZahl(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ziffer = false;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar z = t[i];
        if (z.isDigit())
            ziffer = true;
        else if (!(z == u',' || z == u'.' || (i == 0 && z == u'-')))
            return false;
    }
    return ziffer;
}

} // namespace

Zellenmodell::Zellenmodell(int zeilen, int spalten, QObject* parent)
    : QAbstractTableModel(parent), m_zeilen(zeilen), m_spalten(spalten), m_zellen(zeilen * spalten)
{}

int Zellenmodell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_zeilen;
}

int Zellenmodell::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_spalten;
}

QVariant Zellenmodell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !gültig(index.row(), index.column()))
        return {};
    const Zelle& z = zelle(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole: return z.text;
    case Qt::BackgroundRole: return QBrush(hintergrund(index.row(), index.column()));
    case Qt::ForegroundRole:
        if (fest(index.row(), index.column()))
            return QBrush(m_festText);
        return {};
    case Qt::FontRole: return zellenschrift(z.schriftgröße, z.fett, z.kursiv);
    case Qt::TextAlignmentRole:
        if (z.ausrichtung)
            return int(z.ausrichtung);
        return int((siehtAusWieZahl(z.text) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    case Qt::AccessibleTextRole: return vorlesetext(index.row(), index.column());
    case Qt::AccessibleDescriptionRole: return m_vorlesen.beschreibungen.value(index.column());
    default: return {};
    }
}

QString Zellenmodell::vorlesetext(int zeile, int spalte) const
{
    const QString text = this->text(zeile, spalte).trimmed();
    if (zeile < m_vorlesen.ersteZeile || !m_vorlesen.zeilenname || spalte >= m_vorlesen.überschriften.size())
        return text;
    QString überschrift = m_vorlesen.überschriften[spalte];
    if (const qsizetype klammer = überschrift.indexOf(QStringLiteral(" ("), 1); klammer > 0)
        überschrift.truncate(klammer);
    return QStringLiteral("%1, %2: %3")
        .arg(m_vorlesen.zeilenname(zeile), überschrift, text.isEmpty() ? QStringLiteral("leer") : text);
}

QVariant Zellenmodell::headerData(int abschnitt, Qt::Orientation richtung, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(abschnitt, richtung, role);
    if (richtung == Qt::Horizontal && abschnitt >= 0 && abschnitt < m_vorlesen.überschriften.size())
        return m_vorlesen.überschriften[abschnitt];
    if (richtung == Qt::Vertical && m_vorlesen.zeilenname && abschnitt >= m_vorlesen.ersteZeile &&
        abschnitt < m_zeilen)
        return m_vorlesen.zeilenname(abschnitt);
    return QAbstractTableModel::headerData(abschnitt, richtung, role);
}

const QFont& Zellenmodell::zellenschrift(qreal größe, bool fett, bool kursiv) const
{
    // A grid has a handful of formats; handing out the same font object for each lets the
    // painter find the font once per format rather than once per cell.
    for (const Schriftform& form : m_schriften)
        if (form.größe == größe && form.fett == fett && form.kursiv == kursiv)
            return form.schrift;
    QFont f = m_schrift;
    if (größe > 0)
        f.setPointSizeF(größe);
    f.setBold(fett);
    f.setItalic(kursiv);
    m_schriften.append({größe, fett, kursiv, f});
    return m_schriften.constLast().schrift;
}

Qt::ItemFlags Zellenmodell::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void Zellenmodell::setzeFesteBereiche(int zeilen, int spalten)
{
    m_festeZeilen = zeilen;
    m_festeSpalten = spalten;
}

void Zellenmodell::setzeFarben(QColor normalHintergrund, QColor festHintergrund, QColor festText)
{
    m_normalHintergrund = normalHintergrund;
    m_festHintergrund = festHintergrund;
    m_festText = festText;
}

void Zellenmodell::setzeSchrift(const QFont& schrift)
{
    m_schrift = schrift;
    m_schriften.clear();
}

void Zellenmodell::setzeZeilenzahl(int zeilen)
{
    zeilen = std::max(0, zeilen);
    if (zeilen == m_zeilen)
        return;
    if (zeilen > m_zeilen) {
        beginInsertRows({}, m_zeilen, zeilen - 1);
        m_zellen.resize(qsizetype(zeilen) * m_spalten);
        m_zeilen = zeilen;
        endInsertRows();
    } else {
        beginRemoveRows({}, zeilen, m_zeilen - 1);
        m_zellen.resize(qsizetype(zeilen) * m_spalten);
        m_zeilen = zeilen;
        endRemoveRows();
    }
}

bool Zellenmodell::gültig(int zeile, int spalte) const
{
    return zeile >= 0 && zeile < m_zeilen && spalte >= 0 && spalte < m_spalten;
}

const Zellenmodell::Zelle& Zellenmodell::zelle(int zeile, int spalte) const
{
    if (!gültig(zeile, spalte))
        return LeereZelle;
    return m_zellen[qsizetype(zeile) * m_spalten + spalte];
}

Zellenmodell::Zelle& Zellenmodell::änderbar(int zeile, int spalte)
{
    Q_ASSERT(gültig(zeile, spalte));
    return m_zellen[qsizetype(zeile) * m_spalten + spalte];
}

void Zellenmodell::geändert(int zeile, int spalte)
{
    if (!sammelt()) {
        const QModelIndex i = index(zeile, spalte);
        emit dataChanged(i, i);
    }
}

void Zellenmodell::setzeText(int zeile, int spalte, const QString& text)
{
    if (!gültig(zeile, spalte))
        return;
    änderbar(zeile, spalte).text = text;
    geändert(zeile, spalte);
}

void Zellenmodell::setzeHintergrund(int zeile, int spalte, const QColor& farbe)
{
    if (!gültig(zeile, spalte))
        return;
    änderbar(zeile, spalte).hintergrund = farbe;
    geändert(zeile, spalte);
}

void Zellenmodell::setzeSchriftgröße(int zeile, int spalte, qreal punkte)
{
    if (!gültig(zeile, spalte))
        return;
    änderbar(zeile, spalte).schriftgröße = punkte;
    geändert(zeile, spalte);
}

void Zellenmodell::setzeFett(int zeile, int spalte, bool fett)
{
    if (!gültig(zeile, spalte))
        return;
    änderbar(zeile, spalte).fett = fett;
    geändert(zeile, spalte);
}

void Zellenmodell::setzeKursiv(int zeile, int spalte, bool kursiv)
{
    if (!gültig(zeile, spalte))
        return;
    änderbar(zeile, spalte).kursiv = kursiv;
    geändert(zeile, spalte);
}

void Zellenmodell::setzeAusrichtung(int zeile, int spalte, Qt::Alignment ausrichtung)
{
    if (!gültig(zeile, spalte))
        return;
    änderbar(zeile, spalte).ausrichtung = ausrichtung;
    geändert(zeile, spalte);
}

void Zellenmodell::leeren()
{
    Sammlung sammlung(*this);
    std::fill(m_zellen.begin(), m_zellen.end(), Zelle{});
}

void Zellenmodell::sammlungBeginnen()
{
    ++m_sammlung;
}

void Zellenmodell::sammlungBeenden()
{
    Q_ASSERT(m_sammlung > 0);
    if (--m_sammlung > 0)
        return;
    if (m_zeilen > 0 && m_spalten > 0)
        emit dataChanged(index(0, 0), index(m_zeilen - 1, m_spalten - 1));
    emit neuGeschrieben();
}

QColor Zellenmodell::hintergrund(int zeile, int spalte) const
{
    const Zelle& z = zelle(zeile, spalte);
    if (z.hintergrund.isValid())
        return z.hintergrund;
    return fest(zeile, spalte) ? m_festHintergrund : m_normalHintergrund;
}
