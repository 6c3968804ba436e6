#include "BoardAccess.h"

#include "Board.h"
#include "BoardView.h"
#include "DiceText.h"
#include "Game.h"
#include "RecordsWindow.h"
#include "ScoresWindow.h"
#include "VarsMonitor.h"

#include <QAccessibleWidget>
#include <QCoreApplication>

namespace korbo {

namespace {

// The texts' context for the translations (tr() of a class lupdate knows by name).
struct Words {
    Q_DECLARE_TR_FUNCTIONS(korbo::BoardAccess)
};

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
        const QString told = dieSpoken(die.visible ? die.face : 0, !geometry::inThrowingArea(die.top));
        switch (t) {
        case QAccessible::Name: return Words::tr("Die %1, %2").arg(m_index).arg(told);
        case QAccessible::Value: return QString::number(die.face);
        case QAccessible::Description: return told;
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
        // As the board shows it: the button's caption, or the picture's.
        case QAccessible::Name: return view.caption.isEmpty() ? initialCategoryCaption(m_category) : view.caption;
        case QAccessible::Value: return view.label;
        case QAccessible::Description: return categorySpoken(view.label, view.labelColour == PreviewYellow);
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
        case QAccessible::Name: return Words::tr("Joker");
        case QAccessible::Description: return jokersLeftText(left);
        default: return QAccessibleWidget::text(t);
        }
    }
};

// The status strip: a status bar, named by its line, which a reader repeats on request.
class StatusLineAccess : public QAccessibleWidget {
public:
    explicit StatusLineAccess(StatusLine *line) : QAccessibleWidget(line, QAccessible::StatusBar) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const StatusLine *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *boardInterface(const QString &, QObject *object)
{
    // The game's own windows that are no dialogs to Qt: the sheet and the monitor are
    // frames, the records window a dialog with its Close button.
    if (qobject_cast<ScoresWindow *>(object) || qobject_cast<VarsMonitor *>(object))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (auto *records = qobject_cast<RecordsWindow *>(object))
        return new QAccessibleWidget(records, QAccessible::Dialog);
    if (auto *line = qobject_cast<StatusLine *>(object))
        return new StatusLineAccess(line);
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

void TellNameChanged(QWidget *control)
{
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void TellDescriptionChanged(QWidget *control)
{
    QAccessibleEvent event(control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

QString dieSpoken(int face, bool held)
{
    static const char *const words[] = {
        QT_TRANSLATE_NOOP("korbo::BoardAccess", "not thrown"), QT_TRANSLATE_NOOP("korbo::BoardAccess", "one"),
        QT_TRANSLATE_NOOP("korbo::BoardAccess", "two"),        QT_TRANSLATE_NOOP("korbo::BoardAccess", "three"),
        QT_TRANSLATE_NOOP("korbo::BoardAccess", "four"),       QT_TRANSLATE_NOOP("korbo::BoardAccess", "five"),
        QT_TRANSLATE_NOOP("korbo::BoardAccess", "six")};
    if (face < 1 || face > 6)
        return Words::tr(words[0]);
    //: a die's face and where it lies: "five, held"
    return (held ? Words::tr("%1, held") : Words::tr("%1, in play")).arg(Words::tr(words[face]));
}

QString categorySpoken(const QString &score, bool preview)
{
    if (score.isEmpty())
        return QString();
    return preview ? Words::tr("would score %1").arg(score) : Words::tr("scored %1").arg(score);
}

} // namespace korbo
