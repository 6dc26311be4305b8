#pragma once

#include <QStringList>

namespace veltaro::cli {

/// Each subcommand takes the arguments after its name (the program name first,
/// as QCommandLineParser expects) and returns the exit status: 0 on success,
/// 2 for bad input (one line on standard error), never a partial row.
int momentCommand(const QStringList& args);
int dayCommand(const QStringList& args);
int runCommand(const QStringList& args);
/// Needs a QGuiApplication (on any platform, offscreen included).
int plotCommand(const QStringList& args);
int phasesCommand(const QStringList& args);

} // namespace veltaro::cli
