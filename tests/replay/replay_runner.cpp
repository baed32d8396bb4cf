#include "replay_runner.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>

namespace quorvel::testing {

ReplayRun run_replay(const QByteArray& input, const std::vector<EnvironmentEntry>& environment) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const EnvironmentEntry& entry : environment) {
        env.insert(entry.name, entry.value);
    }
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUORVEL_REPLAY), {});
    process.write(input);
    process.closeWriteChannel();
    ReplayRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        run.errors = QStringLiteral("quorvel-replay did not finish");
        return run;
    }
    run.exit_code = process.exitCode();
    run.errors = QString::fromUtf8(process.readAllStandardError());
    for (const QByteArray& line : process.readAllStandardOutput().split('\n')) {
        if (line.isEmpty()) {
            continue;
        }
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(line, &error);
        if (error.error != QJsonParseError::NoError || !doc.isObject()) {
            ++run.malformed_lines;
        }
        run.lines.push_back(doc.object());
    }
    return run;
}

QStringList replay_handlers() {
    QProcess process;
    process.start(QStringLiteral(QUORVEL_REPLAY), {QStringLiteral("--handlers")});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        process.kill();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

QByteArray script_of(const std::vector<std::string_view>& events) {
    QByteArray script;
    for (std::string_view e : events) {
        script.append(e.data(), static_cast<qsizetype>(e.size()));
        script.append('\n');
    }
    return script;
}

}  // namespace quorvel::testing

void PrintTo(const QJsonValue& value, std::ostream* out) {
    QJsonArray wrapper{value};
    *out << QJsonDocument(wrapper).toJson(QJsonDocument::Compact).toStdString();
}
