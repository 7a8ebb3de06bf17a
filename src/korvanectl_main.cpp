#include "ctl/korvane_ctl.h"
#include "platform/version_option.h"
#include "program_version.h"
#include "service/service_route.h"
#include "settings/data_directory.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>

int main(int argc, char** argv) {
    if (const std::optional<int> status =
            answerVersionOption(argc, argv, "korvanectl", KORVANE_VERSION))
        return *status;
    QCoreApplication app(argc, argv);
    // The device link's diagnostics are for developers; QT_LOGGING_RULES can still show them.
    QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    const QString userDirectory = QDir::currentPath();
    // The window's own files: korvane's, or with --demo korvane-demo's.
    const auto enterDataDirectory = [&app](bool demo) {
        QDir::setCurrent(
            DataDirectory::choose(app.applicationDirPath(), demo ? QStringLiteral("korvane-demo")
                                                                 : QStringLiteral("korvane")));
    };
    QTextStream out(stdout);
    QTextStream err(stderr);
    // While the background service holds the keyboard, the command runs there.
    if (const std::optional<int> status =
            runThroughService(app.arguments().mid(1), userDirectory, out, err))
        return *status;
    return runKorvaneCtl(app.arguments().mid(1), nullptr, userDirectory, out, err,
                         enterDataDirectory);
}
