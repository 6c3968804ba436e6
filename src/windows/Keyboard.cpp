#include "Keyboard.h"

#include "Palette.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCommonStyle>
#include <QDialog>
#include <QFocusFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

namespace korbo {

namespace {

// Bands of one logical pixel each, from the outside in: black, yellow, black. Three
// fit the narrowest gap between two controls of the board (four pixels).
constexpr int kRingWidth = 3;

// The ring's own style only says how far the ring reaches beyond its control; the
// application's style keeps the focus margins it gives item views and line edits.
class RingStyle : public QCommonStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_FocusFrameHMargin || metric == PM_FocusFrameVMargin)
            return kRingWidth;
        return QCommonStyle::pixelMetric(metric, option, widget);
    }
};

// A focus frame follows its control as it moves, hides and shows (a die in flight)
// and is drawn outside it, stacked under it, so it never covers the control itself.
class FocusRing : public QFocusFrame {
public:
    FocusRing(QWidget *parent, QStyle *style) : QFocusFrame(parent)
    {
        setObjectName(QStringLiteral("focusRing"));
        setStyle(style);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QColor bands[kRingWidth] = {Qt::black, FocusYellow, Qt::black};
        for (int inset = 0; inset < kRingWidth; ++inset) {
            const QRect outer = rect().adjusted(inset, inset, -inset, -inset);
            painter.setClipRegion(QRegion(outer).subtracted(outer.adjusted(1, 1, -1, -1)));
            painter.fillRect(outer, bands[inset]);
        }
    }
};

class RingKeeper : public QObject {
public:
    explicit RingKeeper(QObject *parent) : QObject(parent) {}

    void follow(QWidget *focused)
    {
        // The board holds the keys on its own while the focused die is in flight; it
        // is no control to ring.
        const bool shown = focused && !focused->isWindow() && focused->focusPolicy() != Qt::NoFocus
            && focused->window()->testAttribute(Qt::WA_KeyboardFocusChange);
        if (!shown) {
            if (m_ring)
                m_ring->setWidget(nullptr);
            return;
        }
        // The ring goes with the window it was last in when that window is discarded.
        if (!m_ring)
            m_ring = new FocusRing(focused->parentWidget(), &m_style);
        m_ring->setWidget(focused);
    }

private:
    RingStyle m_style;
    QPointer<FocusRing> m_ring;
};

QPointer<RingKeeper> &keeper()
{
    static QPointer<RingKeeper> one;
    return one;
}

class StandardKeys : public QObject {
public:
    explicit StandardKeys(QWidget *window) : QObject(window), m_window(window) {}

protected:
    // Keys come here when the control that had them left them alone.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            auto *button = qobject_cast<QPushButton *>(m_window->focusWidget());
            if (!button || !button->isEnabled())
                return false;
            button->click();
            return true;
        }
        if (key->key() == Qt::Key_Escape && !qobject_cast<QDialog *>(m_window)) {
            m_window->close();
            return true;
        }
        return false;
    }

private:
    QWidget *m_window;
};

} // namespace

void InstallFocusRing()
{
    if (keeper())
        return;
    keeper() = new RingKeeper(qApp);
    QObject::connect(qApp, &QApplication::focusChanged, keeper(),
                     [](QWidget *, QWidget *now) { keeper()->follow(now); });
}

void MarkKeyboardUse(QWidget *window)
{
    if (window->testAttribute(Qt::WA_KeyboardFocusChange))
        return;
    window->setAttribute(Qt::WA_KeyboardFocusChange);
    if (keeper())
        keeper()->follow(QApplication::focusWidget());
}

void AnswerStandardKeys(QWidget *window)
{
    window->installEventFilter(new StandardKeys(window));
}

} // namespace korbo
