#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

// A command's words after its name: positional words in order, and its options by name (without
// the leading dashes). "--name value" and "--name=value" both give an option its value; "--"
// ends the options.
struct CtlArguments {
    QStringList positional;
    QMap<QString, QString> options;

    bool has(const QString& name) const { return options.contains(name); }
    QString value(const QString& name) const { return options.value(name); }
};

// A whole number in [low, high] written in decimal, or nothing.
std::optional<int> parseNumber(const QString& text, int low, int high);
