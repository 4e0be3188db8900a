#include <algorithm>
#include <fstream>
#include <new>
#include <optional>
#include <string>

#include "jww/jww_data.h"
#include "jww/jww_reader.h"
#include "jww/large_pages.h"

namespace pennatran {
namespace {

// Hours, " : ", minutes with at least two digits (3725 s gives "1 : 02").
SjisString DrawTimeText(int32_t seconds) {
  std::string minutes = std::to_string((seconds / 60) % 60);
  if (minutes.size() == 1) minutes.insert(0, "0");
  return std::to_string(seconds / 3600) + " : " + minutes;
}

void Publish(TJwwData& doc) {
  TDocumentInfo& info = doc.DocInfo;
  info.DocDrawTimeText = DrawTimeText(doc.Header.DrawTime);
  const std::string& memo = doc.Header.Memo;
  const size_t lineEnd = memo.find("\r\n");
  if (lineEnd == std::string::npos) {
    info.DocMemoLine1 = memo;
    info.DocMemoRest.clear();
  } else {
    info.DocMemoLine1 = memo.substr(0, lineEnd);
    info.DocMemoRest = memo.substr(lineEnd + 2);
  }
  info.DocPrintScale = doc.Header.PrintScale;
  doc.DocInfoPublished = true;
}

// A file cut inside its signature still begins like a drawing; any other first bytes
// make a file that is something else.
bool BeginsLikeADrawing(const uint8_t* data, size_t size) {
  const size_t n = std::min(size, kJwwSignature.size());
  return size > 0 &&
         std::string_view(reinterpret_cast<const char*>(data), n) == kJwwSignature.substr(0, n);
}

// Reads the drawing into the cleared document. Returns false, with LoadError set, unless
// every section was read; `published` tells whether the version allowed going on.
bool ReadDrawing(TJwwData& doc, const uint8_t* data, size_t size, bool& published,
                 const TConsumedBytes& consumed) {
  TByteReader in(data, size);
  in.SetStringStore(doc.Strings.get());
  published = true;
  if (!BeginsLikeADrawing(data, size)) {
    published = false;
    doc.LoadError.Failure = TLoadFailure::NotADrawing;
    return false;
  }
  try {
    try {
      if (!ReadHeader(in, doc)) {
        published = false;
        doc.LoadError = LoadErrorAt(TLoadFailure::OldVersion, kJwwSignature.size());
        doc.LoadError.Version = doc.Header.Version;
        return false;
      }
    } catch (const TReadError& e) {
      RethrowAt(e, TLoadPlace::Header);
    }
    ReadEntitySection(in, doc, consumed);
    return true;
  } catch (const TReadError& e) {
    doc.LoadError = e.Error;
  } catch (const std::bad_alloc&) {
    doc.LoadError = LoadErrorAt(TLoadFailure::OutOfMemory, in.Offset());
  } catch (const std::exception& e) {
    doc.LoadError = LoadErrorAt(TLoadFailure::Other, in.Offset(), e.what());
  }
  return false;
}

// Runs the steps every load ends with: publishing the document information and expanding
// the block inserts, also after a failed read.
void Finish(TJwwData& doc) {
  Publish(doc);
  try {
    doc.BuildBlockTree();
  } catch (const std::bad_alloc&) {
    doc.BlockTree = {};
  }
}

bool Load(TJwwData& doc, const uint8_t* data, size_t size, const std::string& fileName,
          const TConsumedBytes& consumed) {
  doc.Clear();
  doc.DocInfoPublished = false;
  doc.DocInfo.DocFileName = fileName;
  bool goOn = true;
  const bool whole = ReadDrawing(doc, data, size, goOn, consumed);
  if (!goOn) return false;
  Finish(doc);
  return whole;
}

}  // namespace

bool TJwwData::LoadFromBytes(const uint8_t* data, size_t size, const std::string& fileName) {
  return Load(*this, data, size, fileName, {});
}

bool TJwwData::LoadFromFile(const std::filesystem::path& fileName) {
  std::string name;
  try {
    name = fileName.string();
  } catch (const std::exception&) {
    const std::u8string utf8 = fileName.u8string();
    name.assign(utf8.begin(), utf8.end());
  }
  std::optional<TLargeBuffer> bytes;
  TLoadFailure failure = TLoadFailure::None;
  try {
    std::ifstream in(fileName, std::ios::binary);
    if (!in.is_open()) {
      failure = TLoadFailure::CannotOpen;
    } else {
      in.seekg(0, std::ios::end);
      const std::streamoff size = in.tellg();
      in.seekg(0, std::ios::beg);
      if (size < 0) {
        failure = TLoadFailure::CannotRead;
      } else {
        bytes.emplace(static_cast<size_t>(size));
        in.read(reinterpret_cast<char*>(bytes->Data()), size);
        if (in.gcount() != size) failure = TLoadFailure::CannotRead;
      }
    }
  } catch (const std::exception&) {
    failure = TLoadFailure::CannotRead;
  }
  if (failure == TLoadFailure::None) {
    // The buffer is ours: what the reader has copied into records need not stay resident
    // while the rest of a large drawing is read.
    TLargeBuffer& buffer = *bytes;
    return Load(*this, buffer.Data(), buffer.Size(), name,
                [&buffer](size_t offset) { buffer.ReleaseBefore(offset); });
  }
  // A file that cannot be read loads as an empty drawing, published like any failed load.
  Clear();
  DocInfo.DocFileName = name;
  LoadError.Failure = failure;
  Finish(*this);
  return false;
}

}  // namespace pennatran
