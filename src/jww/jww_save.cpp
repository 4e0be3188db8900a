#include <exception>
#include <string>

#include "jww/atomic_file.h"
#include "jww/format_versions.h"
#include "jww/jww_data.h"
#include "jww/jww_writer.h"

namespace pennatran {

void WriteJww(const TJwwData& doc, TByteSink& sink, int32_t version) {
  TByteWriter out(sink, static_cast<uint16_t>(version));
  out.SetTwoByteStrings(doc.TwoByteStrings);
  WriteHeader(doc, out, version);
  WriteEntitySection(doc, out, version);
  if (version >= kFirstImageVersion) WriteImageSection(doc, out);
}

bool TJwwData::SaveToFile(const std::filesystem::path& fileName, int32_t version, TSaveError* error,
                          const TAtomicWriteOptions& options) {
  if (version < kOldestWritableVersion || version > kNewestWritableVersion) {
    if (error != nullptr) {
      *error = {TSaveFailure::Other, "version " + std::to_string(version) + " has no layout"};
    }
    return false;
  }
  // Failures are reported by the result only; nothing may escape to the window.
  try {
    return WriteFileAtomically(
        fileName, [&](TByteSink& sink) { WriteJww(*this, sink, version); }, error, options);
  } catch (const std::exception& e) {
    if (error != nullptr) *error = {TSaveFailure::Other, e.what()};
    return false;
  } catch (...) {
    if (error != nullptr) *error = {TSaveFailure::Other, "an unknown error"};
    return false;
  }
}

}  // namespace pennatran
