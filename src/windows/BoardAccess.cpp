#include "BoardAccess.h"

#include "Board.h"
#include "BoardView.h"
#include "Game.h"

#include <QAccessibleWidget>

namespace korbo {

namespace {

const Game &gameOf(const QWidget *control)
{
    return static_cast<const BoardView *>(control->parentWidget())->game();
}

// A control of the board that acts like a button: pressing it through the screen
// reader does what a click does.
class BoardButtonAccess : public QAccessibleWidget {
public:
    BoardButtonAccess(QWidget *control, std::function<void()> press)
        : QAccessibleWidget(control, QAccessible::Button), m_press(std::move(press))
    {
    }
    QStringList actionNames() const override { return QStringList(pressAction()) + QAccessibleWidget::actionNames(); }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            m_press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    std::function<void()> m_press;
};

class DieAccess : public BoardButtonAccess {
public:
    explicit DieAccess(DieWidget *die) : BoardButtonAccess(die, [die] { die->toggleHold(); }), m_index(die->index()) {}
    QString text(QAccessible::Text t) const override
    {
        const DieView &die = gameOf(widget()).board.die(m_index);
        switch (t) {
        case QAccessible::Name: return QStringLiteral("Die %1").arg(m_index);
        case QAccessible::Value: return QString::number(die.face);
        case QAccessible::Description: return dieDescription(!geometry::inThrowingArea(die.top));
        default: return BoardButtonAccess::text(t);
        }
    }

private:
    int m_index;
};

class CategoryAccess : public BoardButtonAccess {
public:
    explicit CategoryAccess(CategoryButton *button)
        : BoardButtonAccess(button, [button] { button->click(); }), m_category(button->category())
    {
    }
    QString text(QAccessible::Text t) const override
    {
        const CategoryView &view = gameOf(widget()).board.category(m_category);
        switch (t) {
        case QAccessible::Name: return categoryName(m_category);
        case QAccessible::Value: return view.label;
        case QAccessible::Description:
            return view.label.isEmpty()                  ? QString()
                 : view.labelColour == PreviewYellow ? QStringLiteral("Preview")
                                                     : QStringLiteral("Entered");
        default: return BoardButtonAccess::text(t);
        }
    }

private:
    int m_category;
};

class JokerAccess : public QAccessibleWidget {
public:
    explicit JokerAccess(QWidget *token) : QAccessibleWidget(token, QAccessible::Graphic) {}
    QString text(QAccessible::Text t) const override
    {
        const Board &board = gameOf(widget()).board;
        int left = 0;
        for (int k = 1; k <= JokersPerGame; ++k)
            left += board.jokerVisible(k) ? 1 : 0;
        switch (t) {
        case QAccessible::Name: return QStringLiteral("Joker");
        case QAccessible::Description: return jokersLeftText(left);
        default: return QAccessibleWidget::text(t);
        }
    }
};

QAccessibleInterface *boardInterface(const QString &, QObject *object)
{
    if (auto *die = qobject_cast<DieWidget *>(object))
        return new DieAccess(die);
    if (auto *button = qobject_cast<CategoryButton *>(object))
        return new CategoryAccess(button);
    if (auto *token = qobject_cast<JokerWidget *>(object))
        return new JokerAccess(token);
    return nullptr;
}

} // namespace

void InstallBoardAccessibility()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(boardInterface);
}

void TellValueChanged(QWidget *control, const QString &value)
{
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

void TellDescriptionChanged(QWidget *control)
{
    QAccessibleEvent event(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString dieDescription(bool held)
{
    return held ? QStringLiteral("Held") : QStringLiteral("In play");
}

QString jokersLeftText(int left)
{
    return left == 1 ? QStringLiteral("1 joker left") : QStringLiteral("%1 jokers left").arg(left);
}

} // namespace korbo
