#include "Placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace korbo {

int centredOffset(int screenExtent, int windowExtent)
{
    return (screenExtent - windowExtent) / 2; // halves toward zero, like the board's twips maths
}

QRect keptInside(const QRect &frame, const QRect &area)
{
    QRect kept = frame;
    if (kept.right() > area.right())
        kept.moveRight(area.right());
    if (kept.bottom() > area.bottom())
        kept.moveBottom(area.bottom());
    if (kept.left() < area.left())
        kept.moveLeft(area.left());
    if (kept.top() < area.top())
        kept.moveTop(area.top());
    return kept;
}

QRect centredFrame(const QRect &area, const QSize &outer)
{
    const QPoint topLeft(area.left() + centredOffset(area.width(), outer.width()),
                         area.top() + centredOffset(area.height(), outer.height()));
    return keptInside(QRect(topLeft, outer), area);
}

QRect besideFrame(const QRect &area, const QRect &main, const QSize &outer)
{
    return keptInside(QRect(QPoint(main.right() + 1, main.top()), outer), area);
}

std::pair<QRect, QRect> clearOfEachOther(const QRect &area, const QRect &main, const QRect &sheet)
{
    if (!sheet.intersects(main))
        return {main, sheet};
    const QRect beside(QPoint(main.right() + 1, main.top()), sheet.size());
    const QRect board = keptInside(main.translated(-std::max(0, beside.right() - area.right()), 0), area);
    return {board, keptInside(QRect(QPoint(board.right() + 1, board.top()), sheet.size()), area)};
}

std::pair<QRect, QRect> arrangedFrames(const QRect &area, const QSize &mainOuter, const QRect &sheet,
                                       bool sheetShown)
{
    const int blockWidth = mainOuter.width() + (sheetShown ? sheet.width() : 0);
    const QRect main = keptInside(QRect(QPoint(area.left() + centredOffset(area.width(), blockWidth),
                                               area.top() + centredOffset(area.height(), mainOuter.height())),
                                        mainOuter),
                                  area);
    QRect placed = sheet;
    placed.moveTop(main.top());
    if (sheetShown)
        placed.moveLeft(main.right() + 1);
    return {main, keptInside(placed, area)};
}

namespace {

QMargins ownFrameMargins(const QWidget *window)
{
    const QRect outer = window->frameGeometry();
    const QRect inner = window->geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

// The shown window that `window` belongs to, if any.
const QWidget *shownOwner(const QWidget *window)
{
    const QWidget *parent = window->parentWidget();
    return parent && parent->window()->isVisible() ? parent->window() : nullptr;
}

// Centres a window once more when it first has a frame: before it was shown, its
// frame could only be guessed (the first window of all has nothing to guess from).
class CentreWhenFramed : public QObject {
public:
    static constexpr const char *Name = "centreWhenFramed";
    explicit CentreWhenFramed(QWidget *window) : QObject(window)
    {
        setObjectName(QLatin1String(Name));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        const QEvent::Type type = event->type();
        if (!window->isVisible() || (type != QEvent::Move && type != QEvent::Paint))
            return false;
        // By the first paint a window manager has framed the window; a window still
        // without a frame then has none to wait for.
        const bool framed = !ownFrameMargins(window).isNull();
        if (framed || type == QEvent::Paint) {
            window->removeEventFilter(this);
            deleteLater();
            if (framed)
                CentreOnScreen(window);
        }
        return false;
    }
};

} // namespace

QMargins frameMargins(const QWidget *window)
{
    for (const QWidget *w = window; w; w = shownOwner(w)) {
        const QMargins margins = ownFrameMargins(w);
        if (!margins.isNull())
            return margins;
    }
    return {};
}

QRect frameRect(const QWidget *window)
{
    return window->geometry().marginsAdded(frameMargins(window));
}

QRect availableArea(const QWidget *window)
{
    const QWidget *owner = shownOwner(window);
    const QScreen *screen = (owner ? owner : window)->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

void placeFrame(QWidget *window, const QRect &frame)
{
    // Set as the inside rectangle, never with move() before the window exists: a
    // position given with its frame makes X11 window managers anchor the frame, and a
    // later resize of the hidden window then shifts it by the frame's width.
    window->setGeometry(frame.marginsRemoved(frameMargins(window)));
}

void keepOnScreen(QWidget *window)
{
    const QRect frame = frameRect(window);
    const QRect kept = keptInside(frame, availableArea(window));
    if (kept != frame)
        placeFrame(window, kept);
}

void CentreOnScreen(QWidget *window)
{
    placeFrame(window, centredFrame(availableArea(window), frameRect(window).size()));
    if (!window->isVisible() && !window->findChild<QObject *>(QLatin1String(CentreWhenFramed::Name), Qt::FindDirectChildrenOnly))
        new CentreWhenFramed(window);
}

void ArrangeWindows(QWidget *main, QWidget *scores)
{
    const bool sheetShown = scores && scores->isVisible();
    const auto [mainFrame, sheetFrame] =
        arrangedFrames(availableArea(main), frameRect(main).size(), scores ? frameRect(scores) : QRect(), sheetShown);
    placeFrame(main, mainFrame);
    if (scores)
        placeFrame(scores, sheetFrame);
}

} // namespace korbo
