#pragma once

#include <QByteArray>
#include <QString>

#include "SaveFile.h"

class QIODevice;

namespace korbo {

class Options;

// The settings file, kept in the settings folder.
inline const QString SettingsFileName = QStringLiteral("Korbo.ini");

// Layout of the file (Latin-1 text, each line ended by CR LF):
//   [Korbo v4.01]
//   Animation=1
//   TextButtons=0
//   Crosshair=0
//   Auto1stThrow=0
//   ShowLeader=1
//   Sound=On                 the sound choice: Off, On or Zany
//   NoThrowSounds=0
//   DiceType=Standard        the dice style's English name
//   Coach=1                  only while the coach is on
//   Language=de              only once the player has chosen a language
//   Name1=Ann, PC2=1 ...     the last game's players (names in UTF-8) and the
//                            computer's seats, once players were chosen
// The values are the same whatever language the game speaks. Check boxes are stored as their raw value: 0 off, 1 on, 2 grayed. Show Records
// is not stored.

// Appends one "key=value" line, the value trimmed, ended by CR LF.
void WriteSetting(QByteArray &out, const QString &key, const QString &value);

// The whole file's contents for `options`.
QByteArray SettingsFileBytes(const Options &options);

// Writes the file anew (SaveWholeFile): on any error the old file is left whole and
// the answer says why.
SaveResult WriteSettingsFile(const Options &options, const QString &path);

// Puts the file's settings into `options` (emitting changed() once). Without a
// file (or one that cannot be opened) nothing changes and the answer is false.
//
// Each line is read on its own: the text before its first "=" is the key, taken
// without regard to case but with its spaces, and everything after it the value.
// Lines with no key, unknown keys and values that fit no setting are passed over,
// leaving that setting as it was; a key given twice takes its last value. The
// section line is not checked.
bool ReadSettingsFile(Options &options, const QString &path);
// The same, reading from an open device.
void ReadSettings(Options &options, QIODevice &device);
// The same, reading the file's contents.
void ReadSettingsBytes(Options &options, const QByteArray &bytes);

// At most this much of a file is read, and longer lines are passed over.
inline constexpr qsizetype SettingsMaxFileBytes = 1024 * 1024;
inline constexpr qsizetype SettingsMaxLineBytes = 4096;

} // namespace korbo
