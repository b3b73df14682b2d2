#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// A grid of text cells with their own background, font size, boldness and alignment, as
// the calculation table and the case list need them. The first rows and columns can be
// fixed: they take the fixed colours unless a cell has its own background.
class Zellenmodell : public QAbstractTableModel
{
    Q_OBJECT
public:
    struct Zelle {
        QString text;
        QColor hintergrund;     // invalid: the grid's colour for the cell
        qreal schriftgröße = 0; // 0: the grid's font size
        bool fett = false;
        bool kursiv = false;       // a text being typed, not yet stored
        Qt::Alignment ausrichtung; // empty: the grid's default alignment
    };

    Zellenmodell(int zeilen, int spalten, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung, int role = Qt::DisplayRole) const override;

    // What a screen reader hears. The headings are the columns' headers; a cell from row
    // `ersteZeile` on reads as its row's name, its heading without a remark in brackets and
    // its text: "2002, Jahresentgelt: 30000,00". A column's description explains it.
    struct Vorlesen {
        QStringList überschriften;
        int ersteZeile = 0;
        std::function<QString(int zeile)> zeilenname;
        QStringList beschreibungen;
    };
    void setzeVorlesen(Vorlesen vorlesen) { m_vorlesen = std::move(vorlesen); }
    void setzeSpaltenbeschreibungen(const QStringList& beschreibungen)
    {
        m_vorlesen.beschreibungen = beschreibungen;
    }

    // The grid's own properties.
    void setzeFesteBereiche(int zeilen, int spalten);
    int festeZeilen() const { return m_festeZeilen; }
    int festeSpalten() const { return m_festeSpalten; }
    void setzeFarben(QColor normalHintergrund, QColor festHintergrund, QColor festText);
    void setzeSchrift(const QFont& schrift);
    const QFont& schrift() const { return m_schrift; }
    // A row whose runs of equal adjacent texts are shown as one merged cell (-1: none).
    void setzeVerbundeneZeile(int zeile) { m_verbundeneZeile = zeile; }
    int verbundeneZeile() const { return m_verbundeneZeile; }

    void setzeZeilenzahl(int zeilen);
    bool gültig(int zeile, int spalte) const;

    const Zelle& zelle(int zeile, int spalte) const;
    QString text(int zeile, int spalte) const { return zelle(zeile, spalte).text; }
    void setzeText(int zeile, int spalte, const QString& text);
    void setzeHintergrund(int zeile, int spalte, const QColor& farbe);
    void setzeSchriftgröße(int zeile, int spalte, qreal punkte);
    void setzeFett(int zeile, int spalte, bool fett);
    void setzeKursiv(int zeile, int spalte, bool kursiv);
    void setzeAusrichtung(int zeile, int spalte, Qt::Alignment ausrichtung);
    // Every cell's text and format back to the grid's defaults.
    void leeren();

    // While a batch is open, changes of the cells are collected and the views are told once
    // at its end, as a grid that is hidden while it is rewritten. Rows come and go at once.
    // The model is never reset, so that the current cell and the selection stay.
    void sammlungBeginnen();
    void sammlungBeenden();
    bool sammelt() const { return m_sammlung > 0; }

    // The background and text colour the cell shows.
    QColor hintergrund(int zeile, int spalte) const;
    bool fest(int zeile, int spalte) const { return zeile < m_festeZeilen || spalte < m_festeSpalten; }

signals:
    // A batch has ended: the cells may have been written anew as a whole.
    void neuGeschrieben();

private:
    struct Schriftform {
        qreal größe;
        bool fett;
        bool kursiv;
        QFont schrift;
    };
    const QFont& zellenschrift(qreal größe, bool fett, bool kursiv) const;
    Zelle& änderbar(int zeile, int spalte);
    void geändert(int zeile, int spalte);

    int m_zeilen;
    int m_spalten;
    QList<Zelle> m_zellen;
    int m_festeZeilen = 0;
    int m_festeSpalten = 0;
    QColor m_normalHintergrund = Qt::white;
    QColor m_festHintergrund = Qt::lightGray;
    QColor m_festText = Qt::black;
    QFont m_schrift;
    mutable QList<Schriftform> m_schriften;
    int m_verbundeneZeile = -1;
    int m_sammlung = 0;
    Vorlesen m_vorlesen;
    QString vorlesetext(int zeile, int spalte) const;
};

// Sammelt changes of a Zellenmodell for the length of a scope.
class Sammlung
{
public:
    explicit Sammlung(Zellenmodell& modell) : m_modell(modell) { m_modell.sammlungBeginnen(); }
    ~Sammlung() { m_modell.sammlungBeenden(); }
    Sammlung(const Sammlung&) = delete;
    Sammlung& operator=(const Sammlung&) = delete;

private:
    Zellenmodell& m_modell;
};
