#include "settings/settings_file.h"

#include "settings/staged_file.h"
#include "settings/store_outcome.h"
#include "settings/stored_file.h"

#include <QSettings>

namespace {

using Values = QMap<QString, QVariant>;

// The largest settings file is a profile of some 13 KB; one of megabytes is damaged, and
// reading it as missing spares the window from parsing it.
constexpr qint64 maximumFileSize = 4 * 1024 * 1024;

Values readValues(const QString& path) {
    Values values;
    if (!StoredFile::isRegularFile(path, maximumFileSize))
        return values;
    const QSettings file(path, QSettings::IniFormat);
    for (const QString& key : file.allKeys())
        values.insert(key, file.value(key));
    return values;
}

// A value as the file spells it: numbers written in this run come back as texts, lists as
// lists of texts, an empty list as nothing.
QStringList spelled(const QVariant& value) {
    if (value.typeId() == QMetaType::QVariantList || value.typeId() == QMetaType::QStringList)
        return value.toStringList();
    if (!value.isValid())
        return {};
    return {value.toString()};
}

bool sameAsWritten(const Values& written, const Values& readBack) {
    if (written.keys() != readBack.keys())
        return false;
    for (auto it = written.cbegin(); it != written.cend(); ++it) {
        if (spelled(it.value()) != spelled(readBack.value(it.key())))
            return false;
    }
    return true;
}

void removeKeyOrGroup(Values& values, const QString& keyOrGroup) {
    const QString below = keyOrGroup + QLatin1Char('/');
    for (auto it = values.begin(); it != values.end();) {
        if (it.key() == keyOrGroup || it.key().startsWith(below))
            it = values.erase(it);
        else
            ++it;
    }
}

} // namespace

SettingsFile::SettingsFile(QString path, QObject* parent)
    : QObject(parent), path(std::move(path)), values(readValues(this->path)) {}

SettingsFile::~SettingsFile() {
    sync();
}

QVariant SettingsFile::value(const QString& key, const QVariant& fallback) const {
    return values.value(key, fallback);
}

void SettingsFile::setValue(const QString& key, const QVariant& value) {
    values.insert(key, value);
    changed({key, value, false});
}

void SettingsFile::remove(const QString& keyOrGroup) {
    removeKeyOrGroup(values, keyOrGroup);
    changed({keyOrGroup, QVariant(), true});
}

void SettingsFile::changed(Edit edit) {
    edits.append(std::move(edit));
    pending = true;
    if (storeQueued)
        return;
    // Many writes in one pass of the event loop (a key matrix is 126 keys) make one file.
    storeQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            storeQueued = false;
            sync();
        },
        Qt::QueuedConnection);
}

bool SettingsFile::sync() {
    if (!pending)
        return true;
    pending = false;
    values = readValues(path);
    for (const Edit& edit : std::as_const(edits)) {
        if (edit.isRemoval)
            removeKeyOrGroup(values, edit.key);
        else
            values.insert(edit.key, edit.value);
    }
    edits.clear();
    const bool stored = store();
    if (!stored)
        values = readValues(path); // what is shown is what is stored
    StoreOutcome::report(path, stored);
    return stored;
}

void SettingsFile::reload() {
    if (pending)
        sync();
    else
        values = readValues(path);
}

// The toolkit's settings library writes the INI text into the staged file; reading it back
// proves it complete, since the library does not notice every failed write.
bool SettingsFile::store() const {
    StagedFile staged(path);
    if (!staged.isValid())
        return false;
    {
        QSettings file(staged.path(), QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            file.setValue(it.key(), it.value());
        file.sync();
        if (file.status() != QSettings::NoError)
            return false;
    }
    return sameAsWritten(values, readValues(staged.path())) && staged.commit();
}
