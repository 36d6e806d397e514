#include "tools/path_checks.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tools {

std::string WhyNotWritable(const std::string& path) {
  std::error_code error;
  const bool there = std::filesystem::exists(path, error);
  std::FILE* file = std::fopen(path.c_str(), "ab");  // appending changes nothing yet
  if (file == nullptr) return std::strerror(errno);
  std::fclose(file);
  if (!there) std::remove(path.c_str());
  return "";
}

std::string WhyNotFolder(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  if (error) return error.message();
  if (!std::filesystem::is_directory(path, error)) return std::strerror(ENOTDIR);
  if (access(path.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
  return "";
}

std::string ReadWhole(const std::string& path, std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) return std::strerror(errno);
  text.clear();
  char buffer[4096];
  size_t got = 0;
  while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, got);
  const int failed = std::ferror(file) ? errno : 0;
  std::fclose(file);
  return failed != 0 ? std::strerror(failed) : "";
}

int Refuse(const char* tool, const char* act, const std::string& path, const std::string& why) {
  std::fprintf(stderr, "%s: cannot %s %s: %s\n", tool, act, path.c_str(), why.c_str());
  return 2;
}

int CannotWrite(const char* tool, const std::string& path) {
  std::fprintf(stderr, "%s: cannot write %s\n", tool, path.c_str());
  return 2;
}

}  // namespace tools
