#include "CategorySounds.h"

#include "GameState.h"

namespace korbo {

namespace {

// The sound a letter of the shuffled alphabet stands for: A is Rnd1, Q is Rnd17.
Sound letterSound(QChar letter)
{
    return randomSound(letter.unicode() - u'A' + 1);
}

// The recording of its own that Quad, Flush, PotLuck or Korbo has in each style.
Sound ownSound(int c, bool zany)
{
    switch (c) {
    case Quad: return zany ? Sound::QuadZany : Sound::QuadStd;
    case Flush: return zany ? Sound::FlushZany : Sound::FlushStd;
    case PotLuck: return zany ? Sound::PotLuckZany : Sound::PotLuckStd;
    default: return zany ? Sound::KorboZany : Sound::KorboStd; // Korbo
    }
}

} // namespace

QCoro::Task<> PlayCategorySound(SoundPlayer &player, const Options &options, Random &random,
                                TickClock &clock, int c, bool bonusFlag, int twinsScore)
{
    if (options.sound == SoundChoice::Off)
        co_return;
    const bool zany = options.sound == SoundChoice::Zany;
    const SoundMode last = options.autoThrow() ? SoundMode::ToEnd : SoundMode::Background;
    const QString letters = ShuffleString(random, QStringLiteral("ABCDEFGHIJKLMNOPQ"));

    switch (c) {
    case Ones:
    case Twos:
    case Threes:
    case Fours:
    case Fives:
    case Sixes:
        if (!zany) {
            for (int i = 1; i <= c; ++i)
                co_await player.play(Sound::Pop, SoundMode::ToEnd);
        } else {
            // One different noise per die: the first letters, then the very last one.
            for (int i = 1; i <= c - 1; ++i) {
                co_await player.play(letterSound(letters.at(i - 1)), SoundMode::ToEnd);
                co_await clock.yield();
            }
            co_await player.play(letterSound(letters.back()), last);
        }
        break;
    case Quad:
    case Flush:
    case PotLuck:
    case Korbo:
        co_await player.play(ownSound(c, zany), last);
        break;
    case Twins:
        if (zany) {
            // A bloop for every ten points the pairs made, up to three.
            co_await player.play(Sound::Rnd11, SoundMode::ToEnd);
            if (twinsScore > 10)
                co_await player.play(Sound::Rnd11, SoundMode::ToEnd);
            if (twinsScore > 20)
                co_await player.play(Sound::Rnd11, SoundMode::ToEnd);
        }
        co_await player.play(Sound::Coo, last);
        break;
    case Triples:
        if (zany) {
            co_await player.play(Sound::Bow, SoundMode::ToEnd);
            co_await player.play(Sound::Arrow, SoundMode::ToEnd);
        }
        co_await player.play(Sound::Twang, last);
        break;
    case Odds:
    case Evens:
        co_await player.play(c == Odds ? Sound::Odds : Sound::Evens, SoundMode::ToEnd);
        if (zany && bonusFlag)
            co_await player.play(Sound::Rnd4, last);
        break;
    default:
        break;
    }
}

} // namespace korbo
