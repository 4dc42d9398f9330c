#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace mv {

// True when a process other than this one runs the program file `executable` (paths compared
// without regard to case), also when that process's file has since been deleted or replaced
// by a new one at the same path, as a self-update does. Reads /proc; processes it may not
// inspect are passed over.
bool OtherInstanceRunning(const std::filesystem::path& executable);

// Starts `program` (an absolute path, run directly: no shell, so no argument needs quoting)
// with `arguments` in the working folder `workDir`, its standard input read from /dev/null.
// A failure to start throws EOSError with the long system error text. Without `wait` the
// process is started in a session of its own, so that it outlives this one, and 0 is
// returned at once. With `wait` the call polls every 100 ms until the process ends, calling
// `poll` (which may run the front end's events) between polls, and returns its exit code (128
// + the signal number for a process ended by a signal). With a time limit (not 0) a process
// that runs longer is killed, together with everything it started in its process group, and
// EError "Ожидание завершения процесса (файла) \"<file name>\" прервано в связи с
// превышением времени ожидания!" is thrown.
int RunProcess(const std::filesystem::path& workDir, const std::filesystem::path& program,
               const std::vector<std::string>& arguments, int timeLimitSeconds, bool wait,
               const std::function<void()>& poll = {});

// The text a time-out of RunProcess throws for the program's file name.
std::string ProcessTimeoutText(const std::string& fileName);

}  // namespace mv
