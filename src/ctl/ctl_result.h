#pragma once

#include <QJsonValue>
#include <QString>

// korvanectl's exit statuses: one per kind of failure, so that scripts can tell them apart.
enum class ExitStatus : int {
    Ok = 0,
    // The keyboard did not take a command, or a file could not be written.
    Failed = 1,
    BadArgument = 2,
    NoKeyboard = 3,
    NoPermission = 4,
    DeviceBusy = 5,
    // The background service holds the keyboard but did not answer in time, or ended before it
    // answered.
    NoAnswer = 6,
};

// What one command leaves: on success the text and the machine-readable form of its result, on
// failure a status and one line that says what went wrong.
struct CtlResult {
    ExitStatus status = ExitStatus::Ok;
    QString error;
    QString text;
    QJsonValue json;

    static CtlResult ok(const QString& text, const QJsonValue& json) {
        return {ExitStatus::Ok, QString(), text, json};
    }
    static CtlResult fail(ExitStatus status, const QString& error) {
        return {status, error, QString(), QJsonValue()};
    }
    static CtlResult badArgument(const QString& error) {
        return fail(ExitStatus::BadArgument, error);
    }
    bool isOk() const { return status == ExitStatus::Ok; }
};
