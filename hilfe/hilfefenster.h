#pragma once

#include <QWidget>

class QPushButton;
class QTextBrowser;

// The help in a window of the program: no browser and no network needed. One window for the
// whole run, not modal, so that the help can stay open beside the table. Links to other
// sites (the publishers of the agreements) go to the desktop's browser.
class Hilfefenster : public QWidget
{
    Q_OBJECT
public:
    explicit Hilfefenster(QWidget* parent = nullptr);

    // Shows `ziel` ("spalten.html#spalte-3", see hilfe.h) and brings the window up.
    void zeigen(const QString& ziel);
    QTextBrowser* browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;

private:
    QTextBrowser* m_browser;
    QPushButton* m_inhalt;
    QPushButton* m_zurück;
    QPushButton* m_vor;
};
