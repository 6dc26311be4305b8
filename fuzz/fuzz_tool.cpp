// veltaro-tide's commands called in-process with arbitrary arguments: each
// ends with status 0 and nothing on standard error, or refuses with status 2
// and exactly one line there; an arithmetic fault (status 1) is a finding, as
// accepted input never causes one.
#include "toolargs.h"

#include "cli/commands.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    prepareToolRuns(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int command = in.ConsumeIntegralInRange(0, 2);
    std::vector<std::string> args;
    const int count = in.ConsumeIntegralInRange(0, 10);
    for (int i = 0; i < count; ++i) {
        args.push_back(in.ConsumeRandomLengthString(200));
    }
    if (refusedByMain(args) || (command == 2 && long_run(args))) {
        return -1;
    }
    static const char* const names[] = {"moment", "day", "run"};
    const QStringList list = commandLine(names[command], args);
    checkEnd(withStderrCaught([&] {
        switch (command) {
        case 0:
            return veltaro::cli::momentCommand(list);
        case 1:
            return veltaro::cli::dayCommand(list);
        default:
            return veltaro::cli::runCommand(list);
        }
    }));
    return 0;
}
