#include "Sounds.h"

#include <QtGlobal>

#include <array>
#include <utility>

namespace korbo {

namespace {

// Written as pairs so that the compiler checks the table runs in the enum's order.
constexpr std::array<std::pair<Sound, const char *>, SoundCount> SoundFiles = {{
    {Sound::Arrow, "arrow"},
    {Sound::Bow, "bow"},
    {Sound::Coo, "coo"},
    {Sound::Evens, "evens"},
    {Sound::Growl, "growl"},
    {Sound::Odds, "odds"},
    {Sound::OhDear, "ohdear"},
    {Sound::Pop, "pop"},
    {Sound::Twang, "twang"},
    {Sound::UhOh, "uhoh"},
    {Sound::Zero, "zero"},
    {Sound::QuadStd, "quad_std"},
    {Sound::QuadZany, "quad_zany"},
    {Sound::FlushStd, "flush_std"},
    {Sound::FlushZany, "flush_zany"},
    {Sound::PotLuckStd, "potluck_std"},
    {Sound::PotLuckZany, "potluck_zany"},
    {Sound::KorboStd, "korbo_std"},
    {Sound::KorboZany, "korbo_zany"},
    {Sound::Rnd1, "rnd1"},
    {Sound::Rnd2, "rnd2"},
    {Sound::Rnd3, "rnd3"},
    {Sound::Rnd4, "rnd4"},
    {Sound::Rnd5, "rnd5"},
    {Sound::Rnd6, "rnd6"},
    {Sound::Rnd7, "rnd7"},
    {Sound::Rnd8, "rnd8"},
    {Sound::Rnd9, "rnd9"},
    {Sound::Rnd10, "rnd10"},
    {Sound::Rnd11, "rnd11"},
    {Sound::Rnd12, "rnd12"},
    {Sound::Rnd13, "rnd13"},
    {Sound::Rnd14, "rnd14"},
    {Sound::Rnd15, "rnd15"},
    {Sound::Rnd16, "rnd16"},
    {Sound::Rnd17, "rnd17"},
    {Sound::Shake1, "shake1"},
    {Sound::Shake3, "shake3"},
    {Sound::Shake5, "shake5"},
    {Sound::SoundsOff, "soundsoff"},
    {Sound::SoundsOn, "soundson"},
}};

constexpr bool inEnumOrder()
{
    for (int i = 0; i < SoundCount; ++i)
        if (SoundFiles[i].first != static_cast<Sound>(i))
            return false;
    return true;
}
static_assert(inEnumOrder(), "SoundFiles must list the sounds in the enum's order");

static_assert(static_cast<int>(Sound::Rnd17) - static_cast<int>(Sound::Rnd1) + 1
                  == RandomSoundCount,
              "randomSound counts on Rnd1..Rnd17 following each other");

} // namespace

QLatin1String soundName(Sound sound)
{
    return QLatin1String(SoundFiles[static_cast<int>(sound)].second);
}

Sound randomSound(int n)
{
    Q_ASSERT(n >= 1 && n <= RandomSoundCount);
    return static_cast<Sound>(static_cast<int>(Sound::Rnd1) + n - 1);
}

} // namespace korbo
