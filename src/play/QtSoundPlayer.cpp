#include "QtSoundPlayer.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

namespace korbo {

namespace {

constexpr int WaveFormatExtensible = 0xFFFE;

quint16 u16(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.data() + at);
}

quint32 u32(QByteArrayView bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.data() + at);
}

bool tagIs(QByteArrayView bytes, qsizetype at, const char (&tag)[5])
{
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

// Every recording's length, read once from the embedded files.
const std::array<std::optional<std::chrono::milliseconds>, SoundCount> &durations()
{
    static const auto table = [] {
        std::array<std::optional<std::chrono::milliseconds>, SoundCount> lengths;
        for (int i = 0; i < SoundCount; ++i) {
            QFile file(QtSoundPlayer::resourcePath(static_cast<Sound>(i)));
            if (file.open(QIODevice::ReadOnly)) {
                if (const auto info = readWaveInfo(file.readAll()))
                    lengths[i] = std::chrono::ceil<std::chrono::milliseconds>(info->duration());
            }
        }
        return lengths;
    }();
    return table;
}

} // namespace

// ---------------------------------------------------------------- wave headers

std::chrono::microseconds WaveInfo::duration() const
{
    const qint64 bytesPerSecond =
        qint64(sampleRate) * channels * ((bitsPerSample + 7) / 8);
    if (bytesPerSecond <= 0)
        return std::chrono::microseconds(0);
    return std::chrono::microseconds(qint64(dataSize) * 1'000'000 / bytesPerSecond);
}

std::optional<WaveInfo> readWaveInfo(QByteArrayView bytes)
{
    if (bytes.size() < 12 || !tagIs(bytes, 0, "RIFF") || !tagIs(bytes, 8, "WAVE"))
        return std::nullopt;

    WaveInfo info;
    bool haveFormat = false, haveData = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size() && !(haveFormat && haveData)) {
        const qsizetype size = u32(bytes, at + 4);
        const qsizetype body = at + 8;
        const qsizetype available = std::min(size, bytes.size() - body);
        if (tagIs(bytes, at, "fmt ") && !haveFormat) {
            if (available < 16)
                return std::nullopt;
            info.formatTag = u16(bytes, body);
            info.channels = u16(bytes, body + 2);
            info.sampleRate = static_cast<int>(u32(bytes, body + 4));
            info.bitsPerSample = u16(bytes, body + 14);
            // The extensible form names the real format in its sub-format GUID.
            if (info.formatTag == WaveFormatExtensible && available >= 26)
                info.formatTag = u16(bytes, body + 24);
            haveFormat = true;
        } else if (tagIs(bytes, at, "data") && !haveData) {
            info.dataOffset = body;
            // Writers that stream may leave the size unset; count what is there.
            info.dataSize = available;
            haveData = true;
        }
        // Chunks are padded to an even length.
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData || info.channels <= 0 || info.sampleRate <= 0
        || info.bitsPerSample <= 0)
        return std::nullopt;
    return info;
}

// ---------------------------------------------------------------- the player

QtSoundPlayer::QtSoundPlayer(TickClock &clock, QObject *parent, QStringList modulePaths)
    : QObject(parent), m_clock(clock), m_module(std::move(modulePaths))
{
}

QtSoundPlayer::QtSoundPlayer(TickClock &clock, std::unique_ptr<SoundOutput> output)
    : m_clock(clock), m_module(std::move(output))
{
}

QtSoundPlayer::~QtSoundPlayer() = default;

QString QtSoundPlayer::resourcePath(Sound sound)
{
    return QStringLiteral(":/sounds/") + soundName(sound) + QStringLiteral(".wav");
}

std::optional<std::chrono::milliseconds> QtSoundPlayer::duration(Sound sound)
{
    return durations()[static_cast<int>(sound)];
}

int QtSoundPlayer::ticksFor(std::chrono::milliseconds length)
{
    constexpr auto tick =
        std::chrono::duration_cast<std::chrono::milliseconds>(TickClock::DefaultTick).count();
    return length.count() <= 0 ? 0 : static_cast<int>((length.count() + tick - 1) / tick);
}

void QtSoundPlayer::prepare()
{
    m_module.startLoading();
}

QCoro::Task<> QtSoundPlayer::play(Sound sound, SoundMode mode)
{
    // Without the module it has said why already.
    SoundOutput *output = m_module.output();
    if (!output)
        co_return;
    if (!output->hasDevice()) {
        if (!m_saidNoDevice)
            qWarning("Korbo plays no sounds: there is no audio output device");
        m_saidNoDevice = true;
        co_return;
    }
    output->play(resourcePath(sound));

    if (const auto length = duration(sound); mode == SoundMode::ToEnd && length)
        co_await m_clock.wait(ticksFor(*length));
}

void QtSoundPlayer::stop()
{
    // Nothing can be playing before the module is loaded.
    if (SoundOutput *output = m_module.loadedOutput())
        output->stop();
}

bool QtSoundPlayer::isPlaying(Sound sound) const
{
    // Asking does not load the module: before it is loaded nothing can be playing.
    SoundOutput *output = m_module.loadedOutput();
    return output && output->isPlaying(resourcePath(sound));
}

} // namespace korbo
