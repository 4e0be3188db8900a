// The pieces of the drawing writer. Each reads the document only (saving never changes it)
// and throws TWriteError when the sink refuses bytes.
#pragma once

#include <cstdint>

#include "jww/byte_writer.h"
#include "jww/format_versions.h"
#include "jww/jww_data.h"

namespace pennatran {

// The newest version the writer can lay out (the oldest is kOldestWritableVersion);
// SaveToFile refuses others.
constexpr int32_t kNewestWritableVersion = 0xFFFF;

// Signature to the last text setting, with the normalised values, in the layout of the
// given version. Missing tables are written as zero entries of their fixed sizes.
void WriteHeader(const TJwwData& doc, TByteWriter& out, int32_t version);
// Entities, then the block definitions the drawing reaches, renumbered from 0.
void WriteEntitySection(const TJwwData& doc, TByteWriter& out, int32_t version);
// The images the texts refer to, from the bytes the document holds (versions 700 and
// later). Throws TWriteError naming an image whose bytes are not held (an entry made
// without them) rather than leave it out.
void WriteImageSection(const TJwwData& doc, TByteWriter& out);
// The whole file: header, entity section and, from version 700, the image section.
void WriteJww(const TJwwData& doc, TByteSink& sink, int32_t version);

}  // namespace pennatran
