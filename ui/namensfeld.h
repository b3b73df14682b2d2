#pragma once

#include <QLabel>
#include <functional>

// The label with the current person's name, which opens the case list. It takes the focus
// like a button, so that the list opens from the keyboard too: Enter or Space. Screen
// readers hear it as a button (ui/zugang.cpp).
class Namensfeld : public QLabel
{
    Q_OBJECT
public:
    explicit Namensfeld(QWidget* parent = nullptr);

    // The accessible description: the explanation of the view in place.
    std::function<QString()> beschreibung;

signals:
    void aktiviert();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
};
