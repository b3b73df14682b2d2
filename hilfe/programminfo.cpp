#include "hilfe/programminfo.h"

#include "core/version.h"
#include "hilfe/hilfe.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QString zeile(const QString& was, const QString& wert)
{
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>").arg(was, wert.toHtmlEscaped());
}

} // namespace

Programminfo::Programminfo(const Angaben& a, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Programm-Info"));
    const QString html =
        QStringLiteral(
            "<h2>Zuvora %1</h2>"
            "<p>Rechner für die Zusatzversorgung des öffentlichen Dienstes nach ATV / ATV-K "
            "(Punktemodell)</p>"
            "<p>Copyright %2</p>"
            "<p>Zuvora ist freie Software: Sie dürfen es unter den Bedingungen der GNU General Public "
            "License "
            "(GPL), Version 3 oder nach Ihrer Wahl jeder späteren Version, wie von der Free Software "
            "Foundation veröffentlicht, weitergeben und verändern. Zuvora wird ohne jede Gewährleistung "
            "bereitgestellt, auch ohne die Gewähr der Marktreife oder der Eignung für einen bestimmten "
            "Zweck. "
            "Den vollständigen Text zeigt der Knopf „Lizenz“.</p>"
            "<table>%3%4%5%6%7%8</table>")
            .arg(QLatin1String(Version::text), QString::fromLatin1(Urheber).toHtmlEscaped(),
                 zeile(QStringLiteral("Qt-Version:"),
                       QStringLiteral("%1 (gebaut mit %2)")
                           .arg(QLatin1String(qVersion()), QStringLiteral(QT_VERSION_STR))),
                 zeile(QStringLiteral("Arbeitsordner:"), QDir::toNativeSeparators(a.ordner)),
                 zeile(QStringLiteral("Fälle:"), QDir::toNativeSeparators(a.falldatei)),
                 zeile(QStringLiteral("Anschreibentext:"), QDir::toNativeSeparators(a.brieftext)),
                 zeile(QStringLiteral("Sperrdatei:"), QDir::toNativeSeparators(a.sperrdatei)),
                 zeile(QStringLiteral("Sperre gehalten von:"), a.sperrinhaber));
    m_text = new QLabel(html, this);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text->setAccessibleName(text());

    auto* knöpfe = new QDialogButtonBox(this);
    auto* lizenz = knöpfe->addButton(QStringLiteral("&Lizenz"), QDialogButtonBox::ActionRole);
    lizenz->setAccessibleDescription(
        QStringLiteral("Zeigt den vollständigen Text der GNU General Public License."));
    auto* schließen = knöpfe->addButton(QStringLiteral("&Schließen"), QDialogButtonBox::RejectRole);
    schließen->setDefault(true);
    connect(lizenz, &QPushButton::clicked, this, &Programminfo::lizenzZeigen);
    connect(knöpfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_text);
    spalte->addWidget(knöpfe);
    setMinimumWidth(560);
}

QString Programminfo::text() const
{
    QTextDocument dokument;
    dokument.setHtml(m_text->text());
    return dokument.toPlainText();
}

void Programminfo::lizenzZeigen()
{
    auto* fenster = new QDialog(this);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    fenster->setWindowTitle(QStringLiteral("Lizenz: GNU General Public License, Version 3"));
    auto* browser = new QTextBrowser(fenster);
    browser->setPlainText(Hilfe::lizenztext());
    browser->setAccessibleName(QStringLiteral("Lizenztext"));
    auto* knöpfe = new QDialogButtonBox(QDialogButtonBox::Close, fenster);
    knöpfe->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Schließen"));
    connect(knöpfe, &QDialogButtonBox::rejected, fenster, &QDialog::reject);
    auto* spalte = new QVBoxLayout(fenster);
    spalte->addWidget(browser);
    spalte->addWidget(knöpfe);
    fenster->resize(640, 600);
    fenster->show();
}
