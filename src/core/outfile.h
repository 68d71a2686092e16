// The output file: lines in Shift-JIS (code page 932), each ended by CR LF,
// each handed to the system as it is written so that a failure shows at
// once. A line that cannot be written whole is taken back, so the file
// keeps exactly the complete lines before it.
#pragma once

#include <cstdint>
#include <string>

namespace korvel::core {

// UTF-8 to code page 932; characters without a code become "?".
std::string toCp932(const std::string& utf8);

class OutputFile {
 public:
  OutputFile() = default;
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;
  ~OutputFile() { close(); }

  // Creates (or replaces) the file. On failure `reason` says why, in Japanese.
  bool open(const std::string& path, std::string& reason);
  // Writes one line (UTF-8 text, without its line end).
  bool writeLine(const std::string& line, std::string& reason);
  // Closes the file; false with a reason when the last data could not be written.
  bool close(std::string& reason);
  void close() {
    std::string ignored;
    close(ignored);
  }
  bool isOpen() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }

 private:
  int fd_ = -1;
  std::int64_t size_ = 0;
  std::string path_;
};

// A Japanese description of an errno value.
std::string describeError(int error);

}  // namespace korvel::core
