// Every text the programs show was written in code page 932; a literal that has no form there
// (a look-alike character typed by mistake, say) would be a text the original never showed.
#include <gtest/gtest.h>
#include <iconv.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The string literals of a C++ source, escapes left as written.
std::vector<std::string> StringLiterals(const std::string& source) {
  std::vector<std::string> literals;
  size_t k = 0;
  while (k < source.size()) {
    const char c = source[k];
    if (c == '/' && k + 1 < source.size() && source[k + 1] == '/') {
      k = source.find('\n', k);
      if (k == std::string::npos) break;
    } else if (c == '/' && k + 1 < source.size() && source[k + 1] == '*') {
      k = source.find("*/", k + 2);
      if (k == std::string::npos) break;
      k += 2;
    } else if (c == '\'') {
      ++k;
      while (k < source.size() && source[k] != '\'') k += source[k] == '\\' ? 2 : 1;
      ++k;
    } else if (c == '"') {
      std::string literal;
      ++k;
      while (k < source.size() && source[k] != '"') {
        if (source[k] == '\\') literal += source[k++];
        literal += source[k++];
      }
      ++k;
      literals.push_back(literal);
    } else {
      ++k;
    }
  }
  return literals;
}

bool ConvertsToCp932(const std::string& text) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  std::string in = text;
  std::string out(in.size() * 2 + 8, '\0');
  char* in_ptr = in.data();
  size_t in_left = in.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  const size_t result = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  return result != static_cast<size_t>(-1) && in_left == 0;
}

}  // namespace

TEST(Literals, EveryProgramTextConvertsToCodePage932) {
  int files = 0;
  for (const char* folder : {"lessonlib", "corvane", "ostrel", "varnick"}) {
    const std::filesystem::path root = std::filesystem::path(SOURCE_ROOT) / folder;
    if (!std::filesystem::exists(root)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
      const auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      ++files;
      std::ifstream file(entry.path());
      std::stringstream buffer;
      buffer << file.rdbuf();
      for (const auto& literal : StringLiterals(buffer.str())) {
        EXPECT_TRUE(ConvertsToCp932(literal)) << entry.path() << ": \"" << literal << '"';
      }
    }
  }
  EXPECT_GT(files, 0);
}
