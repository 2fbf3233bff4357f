#include "core/file_identity.h"

#include <sys/stat.h>

namespace torvane {

FileIdentity IdentityOf(const std::string& path) {
  struct stat st;
  if (path.empty() || stat(path.c_str(), &st) != 0) return {};
  return {true, st.st_dev, st.st_ino};
}

bool SameFile(const std::string& a, const std::string& b) {
  const FileIdentity x = IdentityOf(a);
  return x.exists && x == IdentityOf(b);
}

}  // namespace torvane
