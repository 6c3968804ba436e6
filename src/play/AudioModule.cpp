#include "AudioModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace korbo {

QStringList AudioModule::searchPaths()
{
    const QString name = QStringLiteral(KORBO_AUDIO_MODULE_NAME);
    const QString programDir = QCoreApplication::applicationDirPath();
    return {
        QDir(programDir).filePath(name),
        QDir::cleanPath(programDir + QLatin1Char('/') + QStringLiteral(KORBO_AUDIO_INSTALLED_DIR)
                        + QLatin1Char('/') + name),
    };
}

AudioModule::AudioModule(QStringList candidates) : m_candidates(std::move(candidates)) {}

AudioModule::AudioModule(std::unique_ptr<SoundOutput> output) : m_settled(true), m_output(std::move(output)) {}

AudioModule::~AudioModule()
{
    // The output's code lives in the module: it goes first. The module itself stays
    // loaded to the end of the program, as the audio libraries expect.
    m_output.reset();
    if (m_loading.valid())
        m_loading.wait();
}

void AudioModule::startLoading()
{
    if (m_loading.valid() || m_settled)
        return;
    // Until the future is collected only the worker touches the library object.
    m_loading = std::async(std::launch::async, [this]() -> QString {
        QStringList errors;
        for (const QString &path : std::as_const(m_candidates)) {
            if (!QFileInfo::exists(path))
                continue;
            m_library.setFileName(path);
            if (m_library.load())
                return {};
            errors << m_library.errorString();
        }
        return errors.isEmpty() ? QStringLiteral("not found in ") + m_candidates.join(QStringLiteral(", "))
                                : errors.join(QStringLiteral("; "));
    });
}

SoundOutput *AudioModule::output()
{
    if (m_settled)
        return m_output.get();
    startLoading();
    QString error = m_loading.get();
    m_settled = true;
    if (error.isEmpty()) {
        if (const auto make = reinterpret_cast<MakeSoundOutput>(m_library.resolve(MakeSoundOutputSymbol)))
            m_output.reset(make());
        else
            error = m_library.errorString();
    }
    if (!m_output)
        qWarning("Korbo plays no sounds: the audio module could not be loaded (%s)", qPrintable(error));
    return m_output.get();
}

} // namespace korbo
