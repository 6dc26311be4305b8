#pragma once

#include <QStringList>
#include <functional>

namespace veltaro::cli {

/// Each subcommand takes the arguments after its name (the program name first,
/// as QCommandLineParser expects) and returns the exit status: 0 on success,
/// 2 for bad input (one line on standard error), never a partial row.
int momentCommand(const QStringList& args);
int dayCommand(const QStringList& args);
int runCommand(const QStringList& args);
/// Reads its options and starts the drawing's evaluation before it calls
/// `startPainting`, which is to make the QGuiApplication (on any platform,
/// offscreen included) that the painting needs.
int plotCommand(const QStringList& args, const std::function<void()>& startPainting);
int phasesCommand(const QStringList& args);

} // namespace veltaro::cli
