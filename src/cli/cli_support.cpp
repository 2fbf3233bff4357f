#include "cli/cli_support.h"

#include "core/atomic_file.h"
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

void Emit(const std::string& text, const std::optional<std::string>& outPath, std::ostream& out) {
  if (!outPath) {
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) throw FileProblem{"cannot write the results to standard output"};
    return;
  }
  // A failed write (a full disk, a file-size limit) leaves an existing file as it was.
  const FileWriteResult written = WriteFileAtomically(*outPath, text);
  if (!written.ok)
    throw FileProblem{"cannot write output file " + *outPath + ": " + written.reason};
}

}  // namespace torvane::cli
