#include "ui/nachrichten.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <optional>

namespace {

struct Testantworten {
    QQueue<QMessageBox::StandardButton> antworten;
    QQueue<QString> speicherorte;
    QList<Nachrichten::Gezeigt> gezeigt;
    bool nurVorbereitet = false;
};

Testantworten& testantworten()
{
    static Testantworten t;
    return t;
}

// In a test, the answer prepared for this box or dialog; one that nobody prepared an answer
// for ends the test instead of waiting for a click. Outside tests: nothing.
template <class Antwort>
std::optional<Antwort> vorbereitet(QQueue<Antwort>& antworten, const QString& titel, const QString& text)
{
    Testantworten& t = testantworten();
    if (!t.nurVorbereitet && antworten.isEmpty())
        return std::nullopt;
    t.gezeigt.append({titel, text});
    if (antworten.isEmpty())
        qFatal("Unerwartet: %s: %s", qPrintable(titel), qPrintable(text));
    return antworten.dequeue();
}

// A message box in German, whether or not Qt's own translation is installed; a question
// can be made to wait for a button, so that Esc cannot answer it unseen.
class Meldungsfenster : public QMessageBox
{
public:
    Meldungsfenster(Icon symbol, const QString& titel, const QString& text, StandardButtons knöpfe,
                    QWidget* eltern, bool escBeantwortet)
        : QMessageBox(symbol, titel, text, knöpfe, eltern), m_escBeantwortet(escBeantwortet)
    {
        const std::pair<StandardButton, const char*> deutsch[] = {
            {Yes, "&Ja"}, {No, "&Nein"}, {Ok, "OK"}, {Cancel, "Abbrechen"}};
        for (const auto& [knopf, text] : deutsch)
            if (QAbstractButton* b = button(knopf))
                b->setText(QString::fromUtf8(text));
    }

protected:
    void keyPressEvent(QKeyEvent* ereignis) override
    {
        if (!m_escBeantwortet && ereignis->matches(QKeySequence::Cancel)) {
            ereignis->accept();
            return;
        }
        QMessageBox::keyPressEvent(ereignis);
    }
    void closeEvent(QCloseEvent* ereignis) override
    {
        // The window's close button would answer "Nein" as silently as Esc.
        if (!m_escBeantwortet) {
            ereignis->ignore();
            return;
        }
        QMessageBox::closeEvent(ereignis);
    }

private:
    bool m_escBeantwortet;
};

} // namespace

void Nachrichten::setzeNächsteAntwort(QMessageBox::StandardButton antwort)
{
    testantworten().antworten.enqueue(antwort);
}

void Nachrichten::nurVorbereiteteAntworten(bool an)
{
    testantworten().nurVorbereitet = an;
}

void Nachrichten::setzeNächstenSpeicherort(const QString& pfad)
{
    testantworten().speicherorte.enqueue(pfad);
}

QList<Nachrichten::Gezeigt>& Nachrichten::gezeigte()
{
    return testantworten().gezeigt;
}

QMessageBox::StandardButton Nachrichten::zeigen(QMessageBox::Icon symbol, const QString& titel,
                                                const QString& text, QMessageBox::StandardButtons knöpfe)
{
    if (const auto antwort = vorbereitet(testantworten().antworten, titel, text))
        return *antwort;
    // Only a question needs an answer the user chose; any other box may go with Esc.
    Meldungsfenster box(symbol, titel, text, knöpfe, m_fenster, symbol != QMessageBox::Question);
    return QMessageBox::StandardButton(box.exec());
}

void Nachrichten::hinweis(const QString& text, const QString& titel)
{
    zeigen(QMessageBox::NoIcon, titel, text, QMessageBox::Ok);
}

void Nachrichten::fehler(const QString& text)
{
    zeigen(QMessageBox::Warning, QStringLiteral("Zuvora"), text, QMessageBox::Ok);
}

bool Nachrichten::frage(const QString& text, const QString& titel)
{
    return zeigen(QMessageBox::Question, titel, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

QString Nachrichten::dokumentenordner()
{
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(ordner).isDir() ? ordner : QDir::homePath();
}

QString Nachrichten::pdfSpeicherort(const QString& titel, const QString& vorschlag)
{
    return datei(titel, vorschlag, QStringLiteral("PDF-Dateien (*.pdf)"), QStringLiteral("pdf"), true);
}

QString Nachrichten::datei(const QString& titel, const QString& vorschlag, const QString& filter,
                           const QString& endung, bool speichern)
{
    if (const auto antwort = vorbereitet(testantworten().speicherorte, titel, vorschlag))
        return *antwort;
    QFileDialog dialog(m_fenster, titel, vorschlag, filter);
    dialog.setAcceptMode(speichern ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(speichern ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(endung);
    if (speichern)
        dialog.selectFile(vorschlag);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool Nachrichten::vorschau(const QString& titel, const QString& einleitung, const QString& zeilen,
                           const QString& knopf)
{
    if (const auto antwort = vorbereitet(testantworten().antworten, titel, einleitung + u'\n' + zeilen))
        return *antwort == QMessageBox::Yes;
    QDialog dialog(m_fenster);
    dialog.setWindowTitle(titel);
    auto* satz = new QLabel(einleitung, &dialog);
    satz->setWordWrap(true);
    auto* liste = new QPlainTextEdit(zeilen, &dialog);
    liste->setReadOnly(true);
    liste->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    liste->setAccessibleName(einleitung);
    liste->setMinimumSize(460, 260);
    satz->setBuddy(liste);
    auto* knöpfe = new QDialogButtonBox(&dialog);
    QPushButton* ja = knöpfe->addButton(knopf, QDialogButtonBox::AcceptRole);
    knöpfe->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    QObject::connect(knöpfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knöpfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* anordnung = new QVBoxLayout(&dialog);
    anordnung->addWidget(satz);
    anordnung->addWidget(liste);
    anordnung->addWidget(knöpfe);
    // The list has the focus, so that arrows scroll it; Enter takes the change.
    ja->setDefault(true);
    liste->setFocus();
    return dialog.exec() == QDialog::Accepted;
}
