#include "core/outfile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <unistd.h>

namespace korvel::core {

std::string toCp932(const std::string& utf8) {
  iconv_t cd = iconv_open("CP932", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) return utf8;
  std::string out;
  out.resize(utf8.size() * 2 + 16);
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size();
  char* dst = out.data();
  std::size_t outLeft = out.size();
  while (inLeft > 0) {
    if (iconv(cd, &in, &inLeft, &dst, &outLeft) != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      const std::size_t used = out.size() - outLeft;
      out.resize(out.size() * 2);
      dst = out.data() + used;
      outLeft = out.size() - used;
      continue;
    }
    // An unmappable or broken sequence: write "?" for one UTF-8 character.
    if (outLeft == 0) continue;
    *dst++ = '?';
    --outLeft;
    std::size_t skip = 1;
    while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80) ++skip;
    in += skip;
    inLeft -= skip;
  }
  out.resize(out.size() - outLeft);
  iconv_close(cd);
  return out;
}

std::string describeError(int error) {
  switch (error) {
    case ENOENT: return "フォルダが見つかりません";
    case ENOTDIR: return "途中のフォルダがありません";
    case EACCES:
    case EPERM: return "書き込みが許可されていません";
    case EROFS: return "読み取り専用の場所です";
    case ENOSPC: return "ディスクの空きが足りません";
    case EDQUOT: return "ディスクの割り当てを超えました";
    case EFBIG: return "ファイルが大きすぎます";
    case EISDIR: return "同じ名前のフォルダがあります";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case EIO: return "入出力エラーが起きました";
    default: return std::string("エラー: ") + std::strerror(error);
  }
}

bool OutputFile::open(const std::string& path, std::string& reason) {
  close();
  if (path.empty()) {
    reason = "ファイル名がありません";
    return false;
  }
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    reason = describeError(errno);
    return false;
  }
  fd_ = fd;
  size_ = 0;
  path_ = path;
  return true;
}

bool OutputFile::writeLine(const std::string& line, std::string& reason) {
  if (fd_ < 0) {
    reason = "ファイルが開いていません";
    return false;
  }
  const std::string bytes = toCp932(line) + "\r\n";
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      reason = describeError(n < 0 ? errno : ENOSPC);
      if (done > 0 && ::ftruncate(fd_, size_) != 0) {
        // The partial line stays; the message already says the file failed.
      }
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  size_ += static_cast<std::int64_t>(bytes.size());
  return true;
}

bool OutputFile::close(std::string& reason) {
  if (fd_ < 0) return true;
  const bool ok = ::close(fd_) == 0;
  if (!ok) reason = describeError(errno);
  fd_ = -1;
  return ok;
}

}  // namespace korvel::core
