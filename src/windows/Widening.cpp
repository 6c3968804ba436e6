#include "Widening.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

namespace korbo {

namespace {

// Tried in steps of 5 %, up to twice the designed width.
constexpr double kWidenStep = 0.05;
constexpr double kWidest = 2.0;

// Whether a control's caption stands whole where the control draws it.
bool captionWhole(const QWidget *w)
{
    if (auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(label->text()))
            return true; // rich text is laid out by its own document, which wraps
        const QRect area = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        return area.contains(QFontMetrics(label->font()).boundingRect(area, flags, label->text()));
    }
    if (auto *box = qobject_cast<const QGroupBox *>(w))
        return QFontMetrics(box->font()).horizontalAdvance(box->title()) < box->width();
    auto *button = qobject_cast<const QAbstractButton *>(w);
    if (!button || button->text().isEmpty())
        return true;
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<const QCheckBox *>(w)      ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<const QRadioButton *>(w) ? QStyle::SE_RadioButtonContents
                                                                                : QStyle::SE_PushButtonContents;
    QRect area = button->style()->subElementRect(contents, &option, button);
    if (qobject_cast<const QPushButton *>(w))
        area.adjust(2, 0, -2, 0); // a push button's frame takes two pixels at each side
    const int flags = Qt::AlignCenter | Qt::TextShowMnemonic;
    return area.contains(QFontMetrics(button->font()).boundingRect(area, flags, button->text()));
}

class Widening : public QObject {
public:
    explicit Widening(QWidget *window) : QObject(window), m_window(window)
    {
        m_designedSize = window->size();
        m_fixed = window->minimumSize() == window->maximumSize();
        for (QWidget *w : window->findChildren<QWidget *>())
            if (!w->isWindow())
                m_designed.append({w, w->geometry()});
        window->installEventFilter(this);
        widen();
    }

    void widen()
    {
        double factor = 1.0;
        place(factor);
        while (!allWhole() && factor + kWidenStep <= kWidest + 1e-9)
            place(factor += kWidenStep);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // The controls take their new texts after the window hears of the change.
        if (event->type() == QEvent::LanguageChange)
            QTimer::singleShot(0, this, &Widening::widen);
        return false;
    }

private:
    void place(double factor)
    {
        const auto scaled = [factor](int x) { return int(std::lround(x * factor)); };
        for (const auto &[control, r] : m_designed) {
            if (!control)
                continue;
            const int left = scaled(r.left());
            if (control->testAttribute(Qt::WA_Resized))
                control->setGeometry(left, r.top(), scaled(r.left() + r.width()) - left, r.height());
            else
                control->move(left, r.top()); // sized by its own contents when shown
        }
        const QSize size(scaled(m_designedSize.width()), m_designedSize.height());
        if (m_fixed)
            m_window->setFixedSize(size);
        else
            m_window->resize(size);
    }

    bool allWhole() const
    {
        return std::all_of(m_designed.cbegin(), m_designed.cend(),
                           [](const auto &designed) { return !designed.first || captionWhole(designed.first); });
    }

    QWidget *m_window;
    QSize m_designedSize;
    bool m_fixed = false;
    QList<std::pair<QPointer<QWidget>, QRect>> m_designed;
};

} // namespace

void WidenForTexts(QWidget *window)
{
    new Widening(window);
}

} // namespace korbo
