#pragma once

#include <QObject>
#include <functional>

// The program ends when its last window closes, the letter-text window included. Qt counts
// a window that belongs to the main one as secondary and would end the program with the
// main window alone, so this watch decides: it looks at every window that hides.
class Programmende : public QObject
{
public:
    explicit Programmende(QObject* eltern);

    // What happens when no window of the program is left; tests watch it.
    void setzen(std::function<void()> ende) { m_ende = std::move(ende); }

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void endeWennKeinFensterMehr();

    std::function<void()> m_ende;
    bool m_prüfen = false;
};
