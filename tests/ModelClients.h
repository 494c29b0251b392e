#pragma once
// The real clients that read the 3D models in the tests: admesh an STL, the Khronos glTF validator
// (run by node from the npm package) a GLB. Each gives its report, or what is missing to run it.
// A test that includes this is built with ELICA_NODE_MODULES and GLTF_VALIDATE_SCRIPT.

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// What the tool prints reading the bytes from a file; nothing when it does not run.
inline std::optional<QString> toolReading(const QString &tool, QStringList arguments, const QByteArray &bytes, const QString &suffix,
                                          const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("model.") + suffix));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return std::nullopt;
    file.close();
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(tool, arguments << file.fileName());
    if (!process.waitForStarted() || !process.waitForFinished(60000))
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError());
}

// A client's report, or, when it cannot run, what to install.
struct ClientReport {
    QString report;
    QString missing;
};

// The number after a label in admesh's report, e.g. "Edges fixed         :     0"; -1 without it.
inline int admeshCount(const QString &report, const QString &label)
{
    const QRegularExpression line(QRegularExpression::escape(label) + QStringLiteral("\\s*:\\s*(\\d+)"));
    const QRegularExpressionMatch match = line.match(report);
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

inline ClientReport admeshReport(const QByteArray &stl)
{
    const std::optional<QString> report = toolReading(QStringLiteral("admesh"), {}, stl, QStringLiteral("stl"));
    if (!report)
        return {{}, QStringLiteral("admesh is needed (apt-get install admesh)")};
    return {*report, {}};
}

// What admesh mended or found open, each with its count: nothing for a sound STL (a line missing
// from the report counts as found).
inline QStringList admeshFixes(const QString &report)
{
    QStringList fixes;
    for (const char *label : {"Facets with 1 disconnected edge", "Facets with 2 disconnected edges", "Facets with 3 disconnected edges",
                              "Total disconnected facets", "Degenerate facets", "Edges fixed", "Facets removed", "Facets added",
                              "Facets reversed", "Backwards edges", "Normals fixed"})
        if (const int count = admeshCount(report, QLatin1String(label)); count != 0)
            fixes << QStringLiteral("%1: %2").arg(QLatin1String(label)).arg(count);
    return fixes;
}

// The validator's counts first ("errors 0 warnings 0 infos ..."), then each error and warning.
inline ClientReport validatorReport(const QByteArray &glb)
{
    const QString modules = qEnvironmentVariable("ELICA_NODE_MODULES", QStringLiteral(ELICA_NODE_MODULES));
    if (QStandardPaths::findExecutable(QStringLiteral("node")).isEmpty())
        return {{}, QStringLiteral("node is needed (apt-get install nodejs)")};
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("NODE_PATH"), modules);
    const std::optional<QString> report =
        toolReading(QStringLiteral("node"), {QStringLiteral(GLTF_VALIDATE_SCRIPT)}, glb, QStringLiteral("glb"), environment);
    if (!report)
        return {QStringLiteral("node did not run"), {}};
    if (report->startsWith(QStringLiteral("gltf-validator is not installed")))
        return {{}, QStringLiteral("the npm package gltf-validator is needed in %1 (npm install --prefix %2 gltf-validator)")
                        .arg(modules, QFileInfo(modules).path())};
    return {*report, {}};
}
