#include "ui/textfenster.h"

#include "core/datensatz.h"
#include "core/meldungen.h"
#include "core/twips.h"
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

    auto* prüfer = new Zeichenprüfer(this);
    for (int n = 1; n <= Brieftext::Zeilen; ++n) {
        auto* box = new QLineEdit(this);
        box->setObjectName(QStringLiteral("Bescheid%1").arg(n));
        box->setValidator(prüfer);
        QFont schrift(QStringLiteral("Arial"));
        schrift.setPointSizeF(9.75);
        schrift.setBold(n <= 2);
        box->setFont(schrift);
        if (markiert(n)) {
            QPalette p = box->palette();
            p.setColor(QPalette::Base, Farben::HellGelb);
            box->setPalette(p);
        }
        platzieren(box, 30, 30 + 270 * (n - 1), 8475, 255);
        m_bescheid.append(box);
    }
    m_speichern = new QPushButton(QStringLiteral("Schließen mit Speichern"), this);
    platzieren(m_speichern, 30, 8940, 2355, 375);
    m_ohneSpeichern = new QPushButton(QStringLiteral("Schließen ohne zu Speichern"), this);
    platzieren(m_ohneSpeichern, 5460, 8940, 3045, 375);
    connect(m_speichern, &QPushButton::clicked, this, &Textfenster::Speichern_Click);
    connect(m_ohneSpeichern, &QPushButton::clicked, this, &Textfenster::OhneSpeichern_Click);

    // Top to bottom down to line 27, then the closing lines from the signature upwards.
    QList<QWidget*> reihenfolge(m_bescheid.begin(), m_bescheid.begin() + 27);
    for (int n = 33; n >= 28; --n)
        reihenfolge.append(bescheid(n));
    reihenfolge << m_speichern << m_ohneSpeichern;
    for (int i = 1; i < reihenfolge.size(); ++i)
        setTabOrder(reihenfolge[i - 1], reihenfolge[i]);
}

void Textfenster::zeilenZeigen(const QStringList& zeilen)
{
    for (int n = 1; n <= Brieftext::Zeilen; ++n) {
        bescheid(n)->setText(zeilen.value(n - 1));
        bescheid(n)->setCursorPosition(0);
    }
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

void Textfenster::Speichern_Click()
{
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
