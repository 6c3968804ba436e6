#include "CategorySounds.h"

#include "GameState.h"

namespace korbo {

namespace {

// The sound a letter of the shuffled alphabet stands for: A is "rnd1", Q is "rnd17".
QString randomSound(QChar letter)
{
    return QStringLiteral("rnd") + QString::number(letter.unicode() - u'A' + 1);
}

} // namespace

QCoro::Task<> PlayCategorySound(SoundPlayer &player, const Options &options, Random &random,
                                TickClock &clock, int c, bool bonusFlag, int twinsScore)
{
    if (options.sound == SoundChoice::Off)
        co_return;
    const bool zany = options.sound == SoundChoice::Zany;
    const QString style = options.soundStyleSuffix();
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
                co_await player.play(QStringLiteral("pop"), SoundMode::ToEnd);
        } else {
            // One different noise per die: the first letters, then the very last one.
            for (int i = 1; i <= c - 1; ++i) {
                co_await player.play(randomSound(letters.at(i - 1)), SoundMode::ToEnd);
                co_await clock.yield();
            }
            co_await player.play(randomSound(letters.back()), last);
        }
        break;
    case Quad:
    case Flush:
    case PotLuck:
    case Korbo:
        // Each has a recording of its own in both sets: QUAD_STD, KORBO_ZANY, …
        co_await player.play(categoryName(c) + style, last);
        break;
    case Twins:
        if (zany) {
            // A bloop for every ten points the pairs made, up to three.
            co_await player.play(QStringLiteral("rnd11"), SoundMode::ToEnd);
            if (twinsScore > 10)
                co_await player.play(QStringLiteral("rnd11"), SoundMode::ToEnd);
            if (twinsScore > 20)
                co_await player.play(QStringLiteral("rnd11"), SoundMode::ToEnd);
        }
        co_await player.play(QStringLiteral("coo"), last);
        break;
    case Triples:
        if (zany) {
            co_await player.play(QStringLiteral("bow"), SoundMode::ToEnd);
            co_await player.play(QStringLiteral("arrow"), SoundMode::ToEnd);
        }
        co_await player.play(QStringLiteral("twang"), last);
        break;
    case Odds:
    case Evens:
        co_await player.play(c == Odds ? QStringLiteral("odds") : QStringLiteral("evens"),
                             SoundMode::ToEnd);
        if (zany && bonusFlag)
            co_await player.play(QStringLiteral("rnd4"), last);
        break;
    default:
        break;
    }
}

} // namespace korbo
