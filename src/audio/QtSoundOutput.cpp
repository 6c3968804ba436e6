// The audio module: plays the game's recordings through Qt Multimedia. It is loaded
// by the game once the board is shown (see AudioModule in play/), never linked in.
#include "SoundOutput.h"

#include <QHash>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace korbo {
namespace {

class QtSoundOutput : public SoundOutput {
public:
    QtSoundOutput()
    {
        // Without a sound server the audio back end says so on the error output as it
        // starts; the game explains its silence once in its own words, so that line
        // is held back.
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        QMediaDevices::audioOutputs();
        qInstallMessageHandler(previous);
    }

    ~QtSoundOutput() override { qDeleteAll(m_effects); }

    void play(const QString &resourcePath) override
    {
        stop();
        QSoundEffect *sound = effect(resourcePath);
        sound->play();
        m_current = sound;
    }

    void stop() override
    {
        if (m_current)
            m_current->stop();
        m_current = nullptr;
    }

    bool isPlaying(const QString &resourcePath) const override
    {
        const QSoundEffect *sound = m_effects.value(resourcePath);
        return sound && sound->isPlaying();
    }

    // Asked before every sound: an output plugged in later is used from then on.
    bool hasDevice() const override { return !QMediaDevices::audioOutputs().isEmpty(); }

private:
    // The audio objects are made on the first play of each recording, never before.
    QSoundEffect *effect(const QString &resourcePath)
    {
        QSoundEffect *&effect = m_effects[resourcePath];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl(QStringLiteral("qrc") + resourcePath));
        }
        return effect;
    }

    QHash<QString, QSoundEffect *> m_effects;
    QPointer<QSoundEffect> m_current;
};

} // namespace
} // namespace korbo

extern "C" Q_DECL_EXPORT korbo::SoundOutput *korbo_make_sound_output()
{
    return new korbo::QtSoundOutput;
}
