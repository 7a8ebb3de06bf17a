// Writes the shipped hardware definition, default profile and key picture table from the tables
// in tools/data.
#include "key_layout.h"
#include "key_picture.h"
#include "matrix_table.h"
#include "setting_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QTextStream>

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "korvane_datagen: " << message << '\n';
    return 1;
}

// Every cap names a visible matrix position, and every visible position has exactly one cap.
bool capsMatchMatrix(const QList<KeyCap>& caps, const QList<MatrixKey>& matrix) {
    QSet<int> placed;
    for (const KeyCap& cap : caps) {
        if (cap.position < 0 || cap.position >= matrix.size() || !matrix[cap.position].visible ||
            placed.contains(cap.position))
            return false;
        placed.insert(cap.position);
    }
    for (const MatrixKey& key : matrix) {
        if (key.visible && !placed.contains(key.position))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3)
        return fail(QStringLiteral("usage: korvane_datagen DATA_DIR OUTPUT_DIR"));
    const QDir data(arguments[1]);
    const QDir output(arguments[2]);

    const QList<MatrixKey> matrix = readMatrixTable(data.filePath(QStringLiteral("z9_matrix.tsv")));
    if (matrix.isEmpty())
        return fail(QStringLiteral("cannot read z9_matrix.tsv"));
    const QList<KeyCap> caps = readKeyLayout(data.filePath(QStringLiteral("z9_layout.txt")));
    if (caps.isEmpty())
        return fail(QStringLiteral("cannot read z9_layout.txt"));
    if (!capsMatchMatrix(caps, matrix))
        return fail(QStringLiteral("the layout's caps do not match the matrix's visible keys"));

    if (!writeHardwareDefinition(output.filePath(QStringLiteral("HWDef.bin")), caps, matrix))
        return fail(QStringLiteral("cannot write HWDef.bin"));
    if (!writeDefaultProfile(output.filePath(QStringLiteral("pD.bin")), matrix,
                             data.filePath(QStringLiteral("z9_default_profile.ini"))))
        return fail(QStringLiteral("cannot write pD.bin"));
    if (!writeKeyPicture(output.filePath(QStringLiteral("KeyLayout_Z9.js")), caps, matrix))
        return fail(QStringLiteral("cannot write KeyLayout_Z9.js"));
    return 0;
}
