// Writes the check text into language files after their strings were edited.
#include "language_file_stamp.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList files = app.arguments().mid(1);
    if (files.isEmpty()) {
        QTextStream(stderr) << "usage: korvane_lang_checksum LANGUAGE_FILE...\n";
        return 1;
    }
    int failures = 0;
    for (const QString& file : files) {
        if (!stampLanguageFile(file)) {
            QTextStream(stderr) << "korvane_lang_checksum: cannot stamp " << file
                                << " (unreadable, or no [font] section)\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
