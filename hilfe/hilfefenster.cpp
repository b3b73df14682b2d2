#include "hilfe/hilfefenster.h"

#include "hilfe/hilfe.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

Hilfefenster::Hilfefenster(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QStringLiteral("Zuvora – Hilfe"));
    setAccessibleName(QStringLiteral("Hilfe"));
    m_browser = new QTextBrowser(this);
    m_browser->setAccessibleName(QStringLiteral("Text der Hilfe"));
    m_browser->setOpenExternalLinks(true);
    m_inhalt = new QPushButton(QStringLiteral("&Inhalt"), this);
    m_zurück = new QPushButton(QStringLiteral("Zurück"), this);
    m_zurück->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
    m_zurück->setAccessibleDescription(QStringLiteral("Alt+Pfeil links"));
    m_vor = new QPushButton(QStringLiteral("Vor"), this);
    m_vor->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
    m_vor->setAccessibleDescription(QStringLiteral("Alt+Pfeil rechts"));
    m_zurück->setEnabled(false);
    m_vor->setEnabled(false);

    auto* knöpfe = new QHBoxLayout;
    knöpfe->addWidget(m_inhalt);
    knöpfe->addWidget(m_zurück);
    knöpfe->addWidget(m_vor);
    knöpfe->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(knöpfe);
    spalte->addWidget(m_browser);

    connect(m_inhalt, &QPushButton::clicked, this,
            [this] { m_browser->setSource(Hilfe::adresse(Hilfe::Start)); });
    connect(m_zurück, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_vor, &QPushButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_zurück, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_vor, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Zuvora – Hilfe – ") + m_browser->documentTitle()); });
    resize(760, 640);
}

void Hilfefenster::zeigen(const QString& ziel)
{
    const QUrl adresse = Hilfe::adresse(ziel);
    m_browser->setSource(adresse);
    // Asked for the section it shows already, QTextBrowser would not move.
    if (adresse.hasFragment())
        m_browser->scrollToAnchor(adresse.fragment());
    show();
    raise();
    activateWindow();
    m_browser->setFocus(Qt::OtherFocusReason);
}

void Hilfefenster::keyPressEvent(QKeyEvent* ereignis)
{
    if (ereignis->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}
