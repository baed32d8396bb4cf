#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>
#include <ostream>
#include <string_view>
#include <vector>

namespace quorvel::testing {

// One run of quorvel-replay: its exit status, its JSON lines and its standard error.
struct ReplayRun {
    int exit_code = -1;
    std::vector<QJsonObject> lines;
    int malformed_lines = 0;  // printed lines that were not one JSON object
    QString errors;
};

// A variable set in quorvel-replay's environment on top of the test's own.
struct EnvironmentEntry {
    QString name;
    QString value;
};

// Feeds `input` to quorvel-replay and parses every line it printed.
ReplayRun run_replay(const QByteArray& input,
                     const std::vector<EnvironmentEntry>& environment = {});

// What `quorvel-replay --handlers` prints, one entry a line; empty when it fails.
QStringList replay_handlers();

// The input for a list of events, one a line.
QByteArray script_of(const std::vector<std::string_view>& events);

}  // namespace quorvel::testing

// Lets test failures show JSON values as JSON.
void PrintTo(const QJsonValue& value, std::ostream* out);
