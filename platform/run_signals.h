#pragma once

namespace platform {

// For the whole run: SIGINT, SIGTERM and SIGHUP (unless the caller ignores it,
// as nohup does) remove this run's temporary files and folders and then end the
// program as the signal does by default, so the caller sees the usual status.
// SIGXFSZ and SIGPIPE are ignored: a write beyond the file-size limit or into
// a pipe nobody reads then fails with its own reason ("File too large", "Broken
// pipe"), which is reported with the file's name like any other. Call first
// thing in main, before any thread starts.
void installRunSignals();

// Removes this run's temporary files and folders and ends the program with
// `code` at once: for failures after which nothing else may run.
[[noreturn]] void endRunNow(int code);

}  // namespace platform
