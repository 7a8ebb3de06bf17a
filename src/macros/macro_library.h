#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <optional>

// A macro's keyboard slot (-1 for none) and the repeat value its keys carry.
struct MacroConfig {
    int index = -1;
    int repeat = 1;
};

// The user's macro library: one INI file per macro, named after the macro with ".bin", all in one
// folder. Every call opens the file, works on it and closes it; nothing is cached. A name that is
// empty, "." or "..", or that holds a path separator is never a macro, so no call reaches outside
// the folder.
class MacroLibrary {
public:
    explicit MacroLibrary(QString directory = QStringLiteral("./modules/macro/"));

    // The "*.bin" entries of the folder, sorted by name ignoring case.
    QStringList fileNames() const;
    // Creates the macro with the lowest free number; an empty name when it could not be written.
    QString create() const;
    // The macro's lines; empty when it does not exist.
    QStringList lines(const QString& name) const;
    // Replaces all lines of an existing macro; false when it does not exist or was not written.
    bool saveLines(const QString& name, const QStringList& lines) const;
    std::optional<MacroConfig> config(const QString& name) const;
    // Stores both values as given, if the macro exists.
    void setConfig(const QString& name, const QVariant& index, const QVariant& repeat) const;
    // Removes an existing macro; false when it does not exist or could not be removed.
    bool remove(const QString& name) const;

private:
    QString directory;

    std::optional<QString> filePath(const QString& name) const;
    std::optional<QString> existingFile(const QString& name) const;
};
