#include "ui/textfenster.h"

#include "core/datensatz.h"
#include "core/meldungen.h"
#include "core/twips.h"
#include "hilfe/hilfe.h"
#include "print/brieftext.h"
#include "table/farben.h"
#include "ui/platzierung.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QValidator>

namespace {

// Refuses what Windows-1252 cannot hold, so that the file never gets a '?' in its place, and
// what would make a line longer than the file keeps it. A line is shown with its trailing
// blanks: typing takes one of them, and a key that would push a character out of a full
// line is refused instead of losing that character on saving.
class Zeichenprüfer : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override
    {
        for (QChar z : text) {
            if (!Zeichensatz::speicherbar(z))
                return Invalid;
        }
        while (text.size() > Brieftext::Satzlänge && text.endsWith(u' '))
            text.chop(1);
        return text.size() > Brieftext::Satzlänge ? Invalid : Acceptable;
    }
};

// The lines the printed letter completes or replaces.
bool markiert(int n)
{
    return n == 3 || n == 4 || n == 5 || n == 6 || n == 10;
}

// What the printed letter makes of line n, for a screen reader: the yellow of the marked
// lines and the bold of the heading say it only to the eye.
QString rolle(int n)
{
    switch (n) {
    case 1:
    case 2: return QStringLiteral("fett gedruckte Überschrift");
    case 3: return QStringLiteral("Text vor der Versicherungsnummer, die das Programm ergänzt");
    case 6: return QStringLiteral("nicht gedruckt, die Anrede bildet das Programm");
    case 4:
    case 5:
    case 7: return QStringLiteral("nicht gedruckt");
    case 8:
    case 9: return QStringLiteral("Text vor dem Betrag");
    case 10: return QStringLiteral("nicht gedruckt, an ihrer Stelle steht der Betrag");
    default: return QStringLiteral("gedruckt, wie sie steht");
    }
}

} // namespace

using Platzierung::platzieren;

Textfenster::Textfenster(Brieftext& datei, Meldungen& meldungen, QWidget* hauptfenster)
    : QWidget(hauptfenster, Qt::Window), m_datei(datei), m_meldungen(meldungen), m_hauptfenster(hauptfenster)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(
        QStringLiteral("Der Textbaustein für die Versendung der Zuvoranberechnung hat folgenden Inhalt:"));
    setWindowIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    setFixedSize(Twips::zuPixel(Breite), Twips::zuPixel(Höhe));
    Hilfe::setzeZiel(this, QStringLiteral("anschreiben.html"));

    auto* prüfer = new Zeichenprüfer(this);
    for (int n = 1; n <= Brieftext::Zeilen; ++n) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Bescheid%1").arg(n));
        box->setValidator(prüfer);
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPointSizeF(9.75);
        schrift.setBold(n <= 2);
        box->setFont(schrift);
        box->setAccessibleName(QStringLiteral("Zeile %1 des Anschreibens, %2").arg(n).arg(rolle(n)));
        if (markiert(n)) {
            // The text colour with the background: a dark desktop's light text would not show.
            QPalette p = box->palette();
            p.setColor(QPalette::Base, Farben::HellGelb);
            p.setColor(QPalette::Text, Qt::black);
            box->setPalette(p);
        }
        platzieren(box, 30, 30 + 270 * (n - 1), 8475, 255);
        m_bescheid.append(box);
    }
    m_speichern = new QPushButton(QStringLiteral("Schließen mit &Speichern"), this);
    platzieren(m_speichern, 30, 8940, 2355, 375);
    m_ohneSpeichern = new QPushButton(QStringLiteral("Schließen &ohne zu Speichern"), this);
    platzieren(m_ohneSpeichern, 5460, 8940, 3045, 375);
    m_standard = new QPushButton(QStringLiteral("Standardtext &wiederherstellen"), this);
    m_standard->setAccessibleDescription(
        QStringLiteral("Setzt nach einer Rückfrage den mitgelieferten Wortlaut in die Zeilen; gespeichert "
                       "wird er erst mit „Schließen mit Speichern“."));
    platzieren(m_standard, 2415, 8940, 3015, 375);
    connect(m_speichern, &QPushButton::clicked, this, &Textfenster::Speichern_Click);
    connect(m_ohneSpeichern, &QPushButton::clicked, this, &Textfenster::OhneSpeichern_Click);
    connect(m_standard, &QPushButton::clicked, this, &Textfenster::Standardtext_Click);

    // Top to bottom down to line 27, then the closing lines from the signature upwards.
    QList<QWidget*> reihenfolge(m_bescheid.begin(), m_bescheid.begin() + 27);
    for (int n = 33; n >= 28; --n)
        reihenfolge.append(bescheid(n));
    reihenfolge << m_speichern << m_ohneSpeichern << m_standard;
    for (int i = 1; i < reihenfolge.size(); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
}

void Textfenster::zeilenZeigen(const QStringList& zeilen)
{
    for (int n = 1; n <= Brieftext::Zeilen; ++n) {
        bescheid(n)->setText(zeilen.value(n - 1));
        bescheid(n)->setCursorPosition(0);
    }
    m_gezeigt = this->zeilen();
}

QStringList Textfenster::zeilen() const
{
    QStringList z;
    for (const QLineEdit* box : m_bescheid)
        z.append(box->text());
    return z;
}

void Textfenster::Form_Load()
{
    show();
    if (m_hauptfenster)
        move(x(), m_hauptfenster->frameGeometry().top());
    raise();
    activateWindow();
    bescheid(1)->setFocus();
}

void Textfenster::Standardtext_Click()
{
    if (!m_meldungen.frage(QStringLiteral("Alle 33 Zeilen durch den mitgelieferten Wortlaut ersetzen?\n"
                                          "Gespeichert wird er erst mit „Schließen mit Speichern“."),
                           QStringLiteral("Standardtext wiederherstellen")))
        return;
    const QStringList standard = Brieftext::standardtext();
    for (int n = 1; n <= Brieftext::Zeilen; ++n)
        bescheid(n)->setText(standard.value(n - 1).leftJustified(Brieftext::Satzlänge, u' '));
    bescheid(1)->setFocus();
}

void Textfenster::Speichern_Click()
{
    // Lines the user has not changed leave the file as it is, byte for byte: it may hold
    // fewer lines, or bytes past them, that a rewrite would change.
    if (zeilen() == m_gezeigt) {
        close();
        return;
    }
    const Ergebnis e = m_datei.speichern(zeilen(), m_stand ? &*m_stand : nullptr);
    if (!e.ok) {
        m_meldungen.fehler(e.meldung);
        if (e.geändertVonAnderen) {
            QStringList neu;
            QByteArray stand;
            if (m_datei.lesen(neu, &stand).ok) {
                zeilenZeigen(neu);
                m_stand = stand;
            }
        }
        return;
    }
    if (!e.meldung.isEmpty())
        m_meldungen.fehler(e.meldung);
    close();
}

void Textfenster::OhneSpeichern_Click()
{
    close();
}

void Textfenster::keyPressEvent(QKeyEvent* ereignis)
{
    // Escape reaches the window from the boxes and buttons too: none of them uses it.
    if (ereignis->key() == Qt::Key_Escape) {
        OhneSpeichern_Click();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

Textbearbeitung::Textbearbeitung(Brieftext& datei, Meldungen& meldungen, QWidget* hauptfenster)
    : m_datei(datei), m_meldungen(meldungen), m_hauptfenster(hauptfenster)
{}

Textbearbeitung::~Textbearbeitung()
{
    delete m_text.data();
}

void Textbearbeitung::infoladen()
{
    QStringList zeilen;
    QByteArray stand;
    if (const Ergebnis e = m_datei.holen(zeilen, &stand); !e.ok) {
        m_meldungen.fehler(e.meldung);
        return;
    }
    if (!m_text)
        m_text = new Textfenster(m_datei, m_meldungen, m_hauptfenster);
    m_text->zeilenZeigen(zeilen);
    m_text->standMerken(stand);
    m_text->Form_Load();
}

void Textbearbeitung::textSchließen()
{
    if (m_text)
        m_text->OhneSpeichern_Click();
}
