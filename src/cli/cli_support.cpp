#include "cli/cli_support.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cli/cli.h"
#include "core/atomic_file.h"
#include "core/file_identity.h"
#include "core/number_file.h"
#include "scheme/scheme_file.h"

namespace torvane::cli {

Conditions ReadScheme(const std::string& path) {
  try {
    return ReadSchemeFile(path);
  } catch (const SchemeError& e) {
    throw FileProblem{e.what()};
  }
}

std::string RunFailureText(const std::exception& e) {
  // The engine's run errors are Chinese sentences that name the box.
  return std::string("缩水失败：") + e.what();
}

NumberPresence ReadNumberPresence(const std::string& path) {
  FileReadResult file = ReadNumberFile(path);
  if (!file.ok) throw FileProblem{"number file " + path + ": " + file.reason};
  NumberPresence marked = MarkNumberText(file.text);
  // An empty base would silently mean all 100000 numbers; say so instead.
  if (marked.count == 0)
    throw FileProblem{"number file " + path +
                      ": no five-digit number in it (号码文件里没有有效号码)"};
  return marked;
}

DigitTable ReadNumbers(const std::string& path) {
  return TableFromPresence(ReadNumberPresence(path).present);
}

namespace {

// A path with its links followed, as far as it exists.
std::string Resolved(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path p =
      std::filesystem::weakly_canonical(std::filesystem::absolute(path), ec);
  return ec ? path : p.string();
}

// Writes text to out; false with errno telling why when it cannot.
bool WriteStream(const std::string& text, std::ostream& out, int& error) {
  errno = 0;
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  error = errno;
  return static_cast<bool>(out);
}

std::string StdoutProblem(int error) {
  std::string why = error == EFBIG ? "文件超过了允许的大小（ulimit -f）"
                    : error == ENOSPC || error == EDQUOT ? "磁盘空间不足"
                    : error != 0                         ? std::strerror(error)
                                                         : "写入失败";
  return "无法写入标准输出：" + why;
}

}  // namespace

void RefuseOutOverInputs(const std::optional<std::string>& outPath,
                         const std::vector<CommandInput>& inputs) {
  if (!outPath) return;
  const std::string out = Resolved(*outPath);
  for (const CommandInput& input : inputs) {
    bool companion = false;
    if (input.store)
      for (const char* suffix : {"-wal", "-shm", "-journal"})
        companion = companion || out == Resolved(input.path) + suffix;
    if (companion || SameFile(*outPath, input.path))
      throw UsageProblem{"--out " + *outPath + " 就是要读取的" + input.what + " " + input.path +
                         (companion ? " 旁边 SQLite 用的附属文件" : "") +
                         "，写入结果会毁掉它；请为 --out 另选一个文件"};
  }
}

int ReportCommitted(const std::string& line, std::ostream& out, std::ostream& err) {
  int error = 0;
  if (!WriteStream(line + "\n", out, error))
    err << "torvane-cli: 历史库的改动已经完成并保存（" << line << "），但" << StdoutProblem(error)
        << "\n";
  return kExitDone;
}

void Emit(const std::string& text, const std::optional<std::string>& outPath, std::ostream& out) {
  if (!outPath) {
    int error = 0;
    if (!WriteStream(text, out, error)) throw FileProblem{StdoutProblem(error) + "，输出不完整"};
    return;
  }
  // A failed write (a full disk, a file-size limit) leaves an existing file as it was.
  const FileWriteResult written = WriteFileAtomically(*outPath, text);
  if (!written.ok)
    throw FileProblem{"cannot write output file " + *outPath + ": " + written.reason};
}

}  // namespace torvane::cli
