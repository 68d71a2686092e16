#include "core/outfile.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

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
    case EISDIR: return "同じ名前のフォルダがあります";
    case ENAMETOOLONG: return "ファイル名が長すぎます";
    case EIO: return "入出力エラーが起きました";
    default: return std::string("エラー: ") + std::strerror(error);
  }
}

bool OutputFile::open(const std::string& path, std::string& reason) {
  close();
  errno = 0;
  std::FILE* f = path.empty() ? nullptr : std::fopen(path.c_str(), "wb");
  if (f == nullptr) {
    reason = path.empty() ? "ファイル名がありません" : describeError(errno);
    return false;
  }
  file_ = f;
  path_ = path;
  return true;
}

bool OutputFile::writeLine(const std::string& line, std::string& reason) {
  if (file_ == nullptr) {
    reason = "ファイルが開いていません";
    return false;
  }
  const std::string bytes = toCp932(line) + "\r\n";
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size() || std::fflush(file_) != 0) {
    reason = describeError(errno ? errno : EIO);
    return false;
  }
  return true;
}

bool OutputFile::close(std::string& reason) {
  if (file_ == nullptr) return true;
  errno = 0;
  const bool ok = std::fclose(file_) == 0;
  if (!ok) reason = describeError(errno ? errno : EIO);
  file_ = nullptr;
  return ok;
}

}  // namespace korvel::core
