#include "cli/trace_file.h"

#include <filesystem>
#include <stdexcept>

#include "cli/output_files.h"
#include "interrupt/interrupt_cleanup.h"
#include "jww/atomic_file.h"
#include "render/recording_canvas.h"

namespace pennatran {
namespace {

// Thrown to end a draw pass whose trace no longer fits.
struct TTraceTooLarge {};

class TStreamedTrace : public TRecordingCanvas {
 public:
  explicit TStreamedTrace(TByteSink& sink) : Sink(sink) {}

 protected:
  void Record(std::string line) override {
    line += '\n';
    Written += line.size();
    if (Written > kMaxTextOutputBytes) throw TTraceTooLarge{};
    if (!Sink.Put(line.data(), line.size())) throw std::runtime_error("write refused");
  }

 private:
  TByteSink& Sink;
  size_t Written = 0;
};

}  // namespace

bool WriteTrace(const std::string& path, const std::function<void(TCanvas&)>& draw,
                bool& tooLarge) {
  tooLarge = false;
  CleanUpSavesOnInterrupt(path);
  return WriteFileAtomically(std::filesystem::path(path), [&](TByteSink& sink) {
    TStreamedTrace trace(sink);
    try {
      draw(trace);
    } catch (const TTraceTooLarge&) {
      tooLarge = true;
      throw;
    }
  });
}

}  // namespace pennatran
