#include "cli/cli_runner.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace belvo::test {

CliResult RunCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LC_ALL", "C");
    for (const auto& [name, value] : environment) env.insert(QString::fromStdString(name), QString::fromStdString(value));

    QStringList arguments;
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);

    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(BELVO_CLI_PATH), arguments);
    CliResult result;
    if (!process.waitForStarted(10000)) {
        result.err = "belvo-cli did not start";
        return result;
    }
    process.closeWriteChannel();
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        result.err = "belvo-cli did not finish";
        return result;
    }
    result.out = process.readAllStandardOutput().toStdString();
    result.err = process.readAllStandardError().toStdString();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

}  // namespace belvo::test
