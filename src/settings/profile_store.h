#pragma once

#include <QString>
#include <QVariantList>

// The keys of a profile file and the reads and writes that the controller makes on it.
// Values come back as they were written in this run (numbers) or as decimal texts after a
// restart; consumers convert elements themselves.
class SettingsFile;

namespace ProfileStore {

constexpr int profileCount = 6;
constexpr int storedKeySlots = 126;
constexpr int keyCodeBytes = 4;

bool isProfileIndex(int profile);

QString keydefineKey(int slot);
QString keydefineKey(const QString& slotText);
QString colorKey(int index);
QString userPictureKey(int index);
QString ledTypeKey();
QString backLedTypeKey();

// A missing key, an unreadable file or a value that is not a list read as the empty list.
QVariantList read(const SettingsFile& profile, const QString& key);
void write(SettingsFile& profile, const QString& key, const QVariantList& value);

// Stores slots 0 … 125 of a key matrix, four elements each, exactly as given; slots 126 and 127
// are never stored. Elements missing from a short matrix are stored as 0.
void writeKeyMatrix(SettingsFile& profile, const QVariantList& src512);

} // namespace ProfileStore
