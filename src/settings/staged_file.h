#pragma once

#include <QByteArray>
#include <QString>

// A new file beside a target that receives the target's next content. Nothing reaches the
// target until commit(), which syncs the staged file and renames it over the target; a staged
// file that is not committed is removed.
class StagedFile {
public:
    enum class Commit { Replace, KeepExisting };

    explicit StagedFile(const QString& target);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // False when no file could be made beside the target.
    bool isValid() const { return !stagedPath.isEmpty(); }
    QString path() const { return stagedPath; }

    // Writes the whole content, checking every write and the sync.
    bool write(const QByteArray& bytes);
    // Syncs what others wrote to path(), then renames it over the target (or, with KeepExisting,
    // only where no target exists yet).
    bool commit(Commit mode = Commit::Replace);

private:
    QString target;
    QString stagedPath;
    bool committed = false;
};
