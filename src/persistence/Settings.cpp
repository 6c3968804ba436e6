#include "Settings.h"

#include "GameState.h"
#include "Options.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace korbo {

namespace {

const QString KeyAnimation = QStringLiteral("Animation");
const QString KeyTextButtons = QStringLiteral("TextButtons");
const QString KeyCrosshair = QStringLiteral("Crosshair");
const QString KeyAuto1stThrow = QStringLiteral("Auto1stThrow");
const QString KeyShowLeader = QStringLiteral("ShowLeader");
const QString KeySound = QStringLiteral("Sound");
const QString KeyNoThrowSounds = QStringLiteral("NoThrowSounds");
const QString KeyDiceType = QStringLiteral("DiceType");
// Written only while the coach is on, so a player who never turns it on keeps the
// file as it always was.
const QString KeyCoach = QStringLiteral("Coach");
// Written only once the player has chosen a language; without it the game speaks
// the desktop's.
const QString KeyLanguage = QStringLiteral("Language");
// The last game's company, NameN (the name in UTF-8) and PCN=1 for a computer's seat,
// written only for the seats that had a player.
const QString KeyName = QStringLiteral("Name%1");
const QString KeyComputer = QStringLiteral("PC%1");
// The board's zoom in percent, written only when not the designed size, and the
// window's state, written only when maximised or full screen.
const QString KeyZoom = QStringLiteral("Zoom");
const QString KeyMaximized = QStringLiteral("Maximized");
const QString KeyFullScreen = QStringLiteral("FullScreen");
// No screen holds a board larger than this many times its designed size.
constexpr double LargestZoom = 10000;

const QByteArray LineEnd = QByteArrayLiteral("\r\n");

// The number a value starts with, after any spaces: an optional sign, digits and
// an optional decimal part. 0 when it starts with no number.
double leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && (text.at(i) == QLatin1Char(' ') || text.at(i) == QLatin1Char('\t')))
        ++i;
    QByteArray number;
    if (i < text.size() && text.at(i) == QLatin1Char('-'))
        number += static_cast<char>(text.at(i++).unicode());
    else if (i < text.size() && text.at(i) == QLatin1Char('+'))
        ++i; // a plus sign says nothing

    auto isDigit = [&](qsizetype at) {
        return at < text.size() && text.at(at) >= QLatin1Char('0') && text.at(at) <= QLatin1Char('9');
    };
    bool digits = false;
    for (; isDigit(i); ++i, digits = true)
        number += static_cast<char>(text.at(i).unicode());
    if (i < text.size() && text.at(i) == QLatin1Char('.')) {
        number += '.';
        for (++i; isDigit(i); ++i, digits = true)
            number += static_cast<char>(text.at(i).unicode());
    }
    if (!digits)
        return 0;
    // Read in the C way whatever the desktop's language; a number too large for a
    // double is far outside any setting.
    double value = 0;
    const auto [end, error] = std::from_chars(number.constData(), number.constData() + number.size(), value);
    Q_UNUSED(end);
    return error == std::errc() ? value : std::numeric_limits<double>::infinity();
}

// A check box takes the value's number rounded to a whole 16-bit number, when
// that is one of its three states; otherwise it keeps what it had.
void readCheckBox(std::int16_t &box, const QString &value)
{
    const double rounded = std::nearbyint(leadingNumber(value)); // halves go to even
    if (!(rounded >= std::numeric_limits<std::int16_t>::min()
          && rounded <= std::numeric_limits<std::int16_t>::max()))
        return;
    const auto whole = static_cast<std::int16_t>(rounded);
    if (whole >= 0 && whole <= 2)
        box = whole;
}

// A language code as the file may hold it ("de", "pt_BR"): letters, then an optional
// "_" or "-" and a region; anything else is no choice.
QString languageCode(const QString &value)
{
    const QString code = value.trimmed();
    static const QRegularExpression form(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{2,4})?$"));
    return form.match(code).hasMatch() ? code : QString();
}

void readLine(Options &options, const QString &line)
{
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return;
    // Keys are matched whatever their letter case.
    const QStringView key = QStringView(line).left(equals);
    const auto is = [key](const QString &name) { return key.compare(name, Qt::CaseInsensitive) == 0; };
    const QString value = line.mid(equals + 1);

    const struct { const QString &key; std::int16_t &box; } boxes[] = {
        {KeyAnimation, options.animationValue},
        {KeyTextButtons, options.textButtonsValue},
        {KeyCrosshair, options.crossHairValue},
        {KeyAuto1stThrow, options.autoThrowValue},
        {KeyShowLeader, options.underlineWinnerValue},
        {KeyNoThrowSounds, options.noThrowSoundsValue},
    };
    for (const auto &b : boxes) {
        if (is(b.key)) {
            readCheckBox(b.box, value);
            return;
        }
    }

    if (is(KeySound)) {
        for (SoundChoice choice : {SoundChoice::Off, SoundChoice::On, SoundChoice::Zany}) {
            if (value.compare(soundToken(choice), Qt::CaseInsensitive) == 0)
                options.sound = choice;
        }
        // With the sound off there is nothing for Mute Dice to mute.
        if (value.compare(soundToken(SoundChoice::Off), Qt::CaseInsensitive) == 0)
            options.noThrowSoundsEnabled = false;
    } else if (is(KeyCoach)) {
        options.coach = leadingNumber(value) == 1;
    } else if (is(KeyZoom)) {
        // The window keeps it within what it can show.
        if (const double zoom = leadingNumber(value); zoom >= 1 && zoom <= LargestZoom)
            options.zoom = static_cast<int>(zoom);
    } else if (is(KeyMaximized)) {
        options.maximised = leadingNumber(value) == 1;
    } else if (is(KeyFullScreen)) {
        options.fullScreen = leadingNumber(value) == 1;
    } else if (is(KeyLanguage)) {
        options.language = languageCode(value);
    } else if (is(KeyDiceType)) {
        if (const int style = diceStyleOfToken(value))
            options.diceStyle = style;
    } else {
        for (int seat = 1; seat <= MaxPlayers; ++seat) {
            if (is(KeyName.arg(seat))) {
                // The line was read as Latin-1; a name is written in UTF-8.
                QString name = QString::fromUtf8(value.toLatin1()); // the Players dialog cuts it to its length
                name.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
                options.lastNames[seat] = name;
            } else if (is(KeyComputer.arg(seat))) {
                options.lastComputer[seat] = leadingNumber(value) == 1;
            }
        }
    }
}

// Reads every line of `bytes` (up to the size limit) that is not too long.
void readAll(Options &options, QByteArrayView bytes)
{
    bytes = bytes.first(std::min(bytes.size(), SettingsMaxFileBytes));
    while (!bytes.isEmpty()) {
        const qsizetype lineFeed = bytes.indexOf('\n');
        QByteArrayView line = lineFeed < 0 ? bytes : bytes.first(lineFeed);
        bytes = lineFeed < 0 ? QByteArrayView() : bytes.sliced(lineFeed + 1);
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.size() <= SettingsMaxLineBytes)
            readLine(options, QString::fromLatin1(line));
    }
}

} // namespace

void WriteSetting(QByteArray &out, const QString &key, const QString &value)
{
    out += key.toLatin1();
    out += '=';
    out += value.trimmed().toLatin1();
    out += LineEnd;
}

QByteArray SettingsFileBytes(const Options &options)
{
    QByteArray out;
    out += (QLatin1String("[Korbo v") + VersionText + QLatin1Char(']')).toLatin1();
    out += LineEnd;
    WriteSetting(out, KeyAnimation, QString::number(options.animationValue));
    WriteSetting(out, KeyTextButtons, QString::number(options.textButtonsValue));
    WriteSetting(out, KeyCrosshair, QString::number(options.crossHairValue));
    WriteSetting(out, KeyAuto1stThrow, QString::number(options.autoThrowValue));
    WriteSetting(out, KeyShowLeader, QString::number(options.underlineWinnerValue));
    WriteSetting(out, KeySound, soundToken(options.sound));
    WriteSetting(out, KeyNoThrowSounds, QString::number(options.noThrowSoundsValue));
    WriteSetting(out, KeyDiceType, QString::fromLatin1(diceStyleEntry(options.diceStyle).token));
    if (options.coach)
        WriteSetting(out, KeyCoach, QStringLiteral("1"));
    if (!options.language.isEmpty())
        WriteSetting(out, KeyLanguage, options.language);
    if (options.zoom != OptionValues().zoom)
        WriteSetting(out, KeyZoom, QString::number(options.zoom));
    if (options.maximised)
        WriteSetting(out, KeyMaximized, QStringLiteral("1"));
    if (options.fullScreen)
        WriteSetting(out, KeyFullScreen, QStringLiteral("1"));
    for (int seat = 1; seat <= MaxPlayers; ++seat) {
        if (options.lastNames[seat].isEmpty())
            continue;
        out += KeyName.arg(seat).toLatin1() + '=' + options.lastNames[seat].trimmed().toUtf8() + LineEnd;
        if (options.lastComputer[seat])
            WriteSetting(out, KeyComputer.arg(seat), QStringLiteral("1"));
    }
    return out;
}

SaveResult WriteSettingsFile(const Options &options, const QString &path)
{
    return SaveWholeFile(path, SettingsFileBytes(options));
}

void ReadSettingsBytes(Options &options, const QByteArray &bytes)
{
    readAll(options, bytes);
    emit options.changed();
}

void ReadSettings(Options &options, QIODevice &device)
{
    // Read in pieces into one buffer: asking for the whole limit at once would take
    // a megabyte of memory for a file of a few lines.
    constexpr qsizetype Piece = 16 * 1024;
    QByteArray bytes;
    while (bytes.size() < SettingsMaxFileBytes) {
        const qsizetype had = bytes.size();
        bytes.resize(std::min(had + Piece, SettingsMaxFileBytes));
        const qint64 got = device.read(bytes.data() + had, bytes.size() - had);
        bytes.resize(had + std::max<qint64>(got, 0));
        if (got <= 0)
            break;
    }
    ReadSettingsBytes(options, bytes);
}

bool ReadSettingsFile(Options &options, const QString &path)
{
    // Only a plain file: a pipe would keep the game waiting for a writer.
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    ReadSettings(options, file);
    return true;
}

} // namespace korbo
