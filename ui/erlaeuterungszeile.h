#pragma once

#include <QHash>
#include <QObject>
#include <QPointF>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QWidget;

// The explanation line under the table: what the control under the pointer does. Every
// control and page that has something to say registers its text here, and the line shows it
// as the pointer moves over the control. The line itself is one label of the window.
class Erlaeuterungszeile : public QObject
{
public:
    // What the line shows at `position` (in the widget's own pixels) over `w`; nothing leaves
    // the line as it is.
    using Quelle = std::function<std::optional<QString>(const QWidget* w, QPointF position)>;
    // Whether the control's tooltip follows the text shown, so that it holds the text in full.
    enum class Tooltip { Folgt, Bleibt };

    explicit Erlaeuterungszeile(QLabel* zeile);

    QLabel* zeile() const { return m_zeile; }
    // Over a grid only the pointer's distance from the grid's left edge counts, wherever in
    // the grid the event arrives; `text` takes it in twips.
    static Quelle nachSpalte(const QWidget* grid, std::optional<QString> (*text)(double xTwips));
    // `text` over the widget's bare background, nothing over its controls.
    static Quelle hintergrund(const QString& text);

    // A fixed text: the line cuts the longer ones, so the tooltip holds it in full, and screen
    // readers hear it as the control's description.
    void anmelden(QWidget* steuerelement, const QString& text);
    // A text that depends on where the pointer is or what the window shows.
    void anmelden(QWidget* steuerelement, Quelle quelle, Tooltip tooltip = Tooltip::Folgt);
    void zeigen(const QString& text);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct Eintrag {
        Quelle quelle;
        Tooltip tooltip;
    };
    QLabel* m_zeile;
    QHash<const QObject*, Eintrag> m_einträge;
};
