// korvanectl export, import and reset: whole profile files, as the window's profile menu moves
// them. Nothing is sent to the keyboard.
#include "ctl/ctl_command.h"
#include "ctl/ctl_context.h"
#include "settings/profile_number.h"
#include "settings/profile_transfer.h"
#include "settings/settings_paths.h"
#include "settings/stored_file.h"

#include <QFileInfo>
#include <QJsonObject>

namespace {

std::optional<int> profileArgument(const CtlArguments& arguments, const QString& command, int words,
                                   QString* error) {
    if (arguments.positional.size() != words) {
        *error =
            QStringLiteral("%1: usage: korvanectl %2").arg(command, findCtlCommand(command)->usage);
        return std::nullopt;
    }
    const std::optional<int> number =
        parseNumber(arguments.positional.first(), ProfileNumber::first, ProfileNumber::last);
    if (!number) {
        *error = QStringLiteral("%1: '%2' is no profile; valid: 1 to 6")
                     .arg(command, arguments.positional.first());
        return std::nullopt;
    }
    return ProfileNumber::toIndex(*number);
}

QJsonObject moved(int profile, const QString& file) {
    return {{QStringLiteral("profile"), ProfileNumber::fromIndex(profile)},
            {QStringLiteral("file"), file}};
}

CtlResult runExport(CtlContext& context, const CtlArguments& arguments) {
    QString error;
    const std::optional<int> profile =
        profileArgument(arguments, QStringLiteral("export"), 2, &error);
    if (!profile)
        return CtlResult::badArgument(error);
    const QString target = context.userFile(arguments.positional[1]);
    if (QFileInfo::exists(target))
        return CtlResult::badArgument(
            QStringLiteral("export: %1 exists; an export never replaces a file").arg(target));
    ProfileTransfer::exportProfile(*context.profileSettings()[*profile], target);
    if (!QFileInfo::exists(target))
        return CtlResult::fail(ExitStatus::Failed,
                               QStringLiteral("export: cannot write %1").arg(target));
    return CtlResult::ok(QStringLiteral("profile %1 exported to %2")
                             .arg(ProfileNumber::fromIndex(*profile))
                             .arg(target),
                         moved(*profile, target));
}

CtlResult runImport(CtlContext& context, const CtlArguments& arguments) {
    QString error;
    const std::optional<int> profile =
        profileArgument(arguments, QStringLiteral("import"), 2, &error);
    if (!profile)
        return CtlResult::badArgument(error);
    const QString source = context.userFile(arguments.positional[1]);
    if (!QFileInfo(source).isFile() || !QFileInfo(source).isReadable())
        return CtlResult::badArgument(QStringLiteral("import: cannot read %1").arg(source));
    // A source too large for a profile file is not read: the profile stays as it was.
    if (!ProfileTransfer::replaceProfile(context.profileSettings(), *profile, source))
        return CtlResult::fail(ExitStatus::Failed,
                               QStringLiteral("import: profile %1 kept as it was: cannot copy %2")
                                   .arg(ProfileNumber::fromIndex(*profile))
                                   .arg(source));
    return CtlResult::ok(QStringLiteral("profile %1 imported from %2")
                             .arg(ProfileNumber::fromIndex(*profile))
                             .arg(source),
                         moved(*profile, source));
}

CtlResult runReset(CtlContext& context, const CtlArguments& arguments) {
    QString error;
    const std::optional<int> profile =
        profileArgument(arguments, QStringLiteral("reset"), 1, &error);
    if (!profile)
        return CtlResult::badArgument(error);
    const QString source = SettingsPaths::defaultProfileFile();
    if (!StoredFile::isRegularFile(source))
        return CtlResult::fail(ExitStatus::Failed,
                               QStringLiteral("reset: the default profile %1 cannot be read")
                                   .arg(QFileInfo(source).absoluteFilePath()));
    if (!ProfileTransfer::replaceProfile(context.profileSettings(), *profile, source))
        return CtlResult::fail(
            ExitStatus::Failed,
            QStringLiteral("reset: profile %1 kept as it was: the default profile cannot be read")
                .arg(ProfileNumber::fromIndex(*profile)));
    return CtlResult::ok(
        QStringLiteral("profile %1 reset").arg(ProfileNumber::fromIndex(*profile)),
        QJsonObject{{QStringLiteral("profile"), ProfileNumber::fromIndex(*profile)}});
}

// The profile, then a file name, which the shell completes itself.
QStringList completeProfileFile(const QStringList& words) {
    return words.size() == 1
               ? completionsFor(numberWords(ProfileNumber::first, ProfileNumber::last),
                                words.last())
               : QStringList();
}

const QString keyboardUntouched = QStringLiteral(
    " Only the file changes: the keyboard takes the profile's settings when they are applied "
    "(the window's pages, korvanectl lighting, backlight or key).");

} // namespace

const CtlCommand& exportCommand() {
    static const CtlCommand command{
        QStringLiteral("export"),
        QStringLiteral("export <1-6> <file.pf>"),
        QStringLiteral("copy a profile's file to a file"),
        QStringLiteral("Copies the profile's file, as the window's profile menu saves it. An "
                       "existing file is never replaced."),
        {},
        &runExport,
        &completeProfileFile};
    return command;
}

const CtlCommand& importCommand() {
    static const CtlCommand command{
        QStringLiteral("import"),
        QStringLiteral("import <1-6> <file.pf>"),
        QStringLiteral("replace a profile's file by a copy of a file"),
        QStringLiteral("Replaces the profile's file in one step: when the copy cannot be made, the "
                       "old file stays.") +
            keyboardUntouched,
        {},
        &runImport,
        &completeProfileFile};
    return command;
}

const CtlCommand& resetCommand() {
    static const CtlCommand command{
        QStringLiteral("reset"),
        QStringLiteral("reset <1-6>"),
        QStringLiteral("replace a profile's file by the default profile"),
        QStringLiteral("Replaces the profile's file by the default profile in one step.") +
            keyboardUntouched,
        {},
        &runReset,
        &completeProfileFile};
    return command;
}
