#include "Speech.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace korbo {

namespace {

// A notification: the role a reader speaks when it is shown, with its name.
class SpeakerAccess : public QAccessibleWidget {
public:
    explicit SpeakerAccess(Speaker *speaker) : QAccessibleWidget(speaker, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Speaker *>(widget())->lastSaid();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *speakerInterface(const QString &, QObject *object)
{
    if (auto *speaker = qobject_cast<Speaker *>(object))
        return new SpeakerAccess(speaker);
    return nullptr;
}

} // namespace

Speaker::Speaker(QWidget *parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(speakerInterface), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("speaker"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFixedSize(1, 1);
    m_settle.setSingleShot(true);
    setPace(350, 70);
    connect(&m_settle, &QTimer::timeout, this, [this] { queue(m_waiting); });
    m_speaking.setSingleShot(true);
    connect(&m_speaking, &QTimer::timeout, this, &Speaker::next);
}

void Speaker::queue(const QString &line)
{
    const QString &last = m_queue.isEmpty() ? m_said : m_queue.last();
    if (line != last)
        m_queue.append(line);
    if (!m_speaking.isActive())
        next();
}

void Speaker::tell(const QString &line)
{
    queue(line);
}

void Speaker::setPace(int settleMs, int msPerCharacter)
{
    m_settle.setInterval(settleMs);
    m_msPerCharacter = msPerCharacter;
}

void Speaker::next()
{
    if (!m_queue.isEmpty())
        speak(m_queue.takeFirst());
}

void Speaker::say(const QString &line)
{
    if (line.trimmed().isEmpty())
        return;
    m_waiting = line;
    m_settle.start();
}

void Speaker::sayNow(const QString &line)
{
    // Asked for: said at once, and what was waiting is said after it.
    speak(line);
}

void Speaker::speak(const QString &line)
{
    m_said = line;
    // A short pause of its own too, as long as a few characters take.
    m_speaking.start(m_msPerCharacter * static_cast<int>(line.size() + 6));
    QAccessibleEvent named(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace korbo
