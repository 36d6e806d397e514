// The tools' path arguments, checked before a run starts: a run is never made only to find at
// its end that what it wrote has nowhere to go. Each check gives the reason a path cannot be
// used, in the system's words, or an empty text when it can.
#pragma once

#include <string>

namespace tools {

// Why `path` cannot be written as a file. A file that is not there is made to find out and
// then removed again; a file that is there is left as it is.
std::string WhyNotWritable(const std::string& path);
// Why `path` cannot hold the files a run writes into it: the folder is made, with the folders
// above it, when it is not there.
std::string WhyNotFolder(const std::string& path);
// Reads the whole file at `path` into `text`; why not when it cannot.
std::string ReadWhole(const std::string& path, std::string& text);

// Says on one line that `tool` cannot `act` on `path`, and why ("replay: cannot write
// out/run.trace: No such file or directory"), and gives the tools' exit code for a bad
// argument, 2.
int Refuse(const char* tool, const char* act, const std::string& path, const std::string& why);
// Says that `tool` could not write `path` once it came to it ("replay: cannot write
// out/0007.png") and gives exit code 2.
int CannotWrite(const char* tool, const std::string& path);

}  // namespace tools
