#pragma once

#include <QByteArray>
#include <QString>

#include <limits>
#include <optional>

// Reading and writing whole data files safely. Reads never block on a pipe, device or folder
// that stands where a file should be; writes go to a new file beside the target that is synced
// and only then renamed over it, so a failed write leaves the old file whole.
namespace StoredFile {

// True for a regular file (or a link to one) of at most maximumSize bytes that can be opened
// for reading. The check opens without blocking and looks at what was opened, so anything else
// reads as missing.
bool isRegularFile(const QString& path, qint64 maximumSize = std::numeric_limits<qint64>::max());

// The whole content of a regular file of at most maximumSize bytes; nothing when the file is
// missing, not regular, larger, or cannot be read.
std::optional<QByteArray> read(const QString& path, qint64 maximumSize);

// Replaces the file's content by bytes; false (and the old file untouched) when any step fails.
bool replace(const QString& path, const QByteArray& bytes);

// Creates the file with bytes; false when it exists already or any step fails.
bool create(const QString& path, const QByteArray& bytes);

} // namespace StoredFile
