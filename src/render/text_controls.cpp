// The control sequences of a text: style and colour changes between runs, and the mode
// codes that draw the next character raised, lowered, small or over the previous one.
#include <cmath>
#include <numbers>
#include <string>

#include "attributes/preview_attributes.h"
#include "jww/text_encoding.h"
#include "render/text_layout.h"
#include "render/text_string.h"

namespace pennatran {
namespace {

// What the character after a mode code becomes: raised, lowered or centred small, laid
// over the previous character (small and centred, centred, a quarter or a fifth past the
// centre), or a pair of small characters over the previous one.
enum class TMode { None, Up, Down, OverSmall, Overlay, OverQuarter, OverFifth, Centre, Pair };

TMode ModeOf(char k) {
  switch (k) {
    case 'u':
      return TMode::Up;
    case 'd':
      return TMode::Down;
    case 'o':
      return TMode::OverSmall;
    case 'n':
      return TMode::Overlay;
    case 'b':
      return TMode::OverQuarter;
    case 'B':
      return TMode::OverFifth;
    case 'c':
      return TMode::Centre;
    case 'w':
      return TMode::Pair;
    default:
      return TMode::None;
  }
}

class TControlInterpreter {
 public:
  TControlInterpreter(TRenderContext& ctx, TCanvas& canvas, int32_t style, std::string_view face,
                      double x, double y, const TGlyphMetrics& m)
      : ctx_(ctx),
        canvas_(canvas),
        style_(style),
        face_(face),
        m_(m),
        curStyle_(style),
        nextStyle_(style),
        px_(x),
        py_(y),
        ux_(std::cos(m.Theta)),
        uy_(std::sin(m.Theta)),
        nx_(std::cos(m.Theta + std::numbers::pi / 2)),
        ny_(std::sin(m.Theta + std::numbers::pi / 2)) {}

  void Run(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
      const char b = text[i];
      if (IsLeadByte(b)) {
        if (i + 1 == text.size()) break;  // a lone lead byte at the end is dropped
        const size_t length = CharLength(text, i);
        Character(text.substr(i, length));
        i += length;
      } else if (b == '^') {
        if (i + 1 == text.size()) {
          run_ += '^';
          break;
        }
        if (!Control(text, i)) break;
      } else {
        i = OneByte(text, i);
      }
    }
    if (!run_.empty()) DrawRun(px_, py_, m_, run_);
  }

 private:
  // A character outside a control: into the run, or drawn alone in the current mode.
  void Character(std::string_view c) {
    if (mode_ == TMode::None) {
      run_ += c;
    } else if (mode_ == TMode::Pair) {
      // "^w" overlays only half-width characters; a full-width one stays as written.
      run_ += "^w";
      run_ += c;
    } else {
      DrawModeCharacter(c);
    }
    mode_ = TMode::None;
    prev_ = ColumnCount(c);
  }

  size_t OneByte(std::string_view text, size_t i) {
    if (mode_ == TMode::Pair) {
      const bool pair = i + 1 < text.size() && !IsLeadByte(text[i + 1]);
      const size_t k = pair ? 2 : 1;
      DrawPair(text.substr(i, k));
      mode_ = TMode::None;
      prev_ = 1;
      return i + k;
    }
    Character(text.substr(i, 1));
    return i + 1;
  }

  // "^" and the byte k after it at text[i + 1]; advances i. False ends the walk.
  bool Control(std::string_view text, size_t& i) {
    const char k = text[i + 1];
    // A full-width character after "^" is kept whole, so its second byte is never read
    // as a control of its own.
    const size_t kLength = CharLength(text, i + 1);
    const std::string_view kChar = text.substr(i + 1, kLength);
    i += 1 + kLength;
    if (!controls_) {
      if (k == '^') {
        controls_ = true;
        Flush();
      } else {
        Literal(kChar);
      }
      return true;
    }
    mode_ = TMode::None;
    switch (k) {
      case '!':
        nextStyle_ |= kStyleBold;
        break;
      case '/':
        nextStyle_ |= kStyleItalic;
        break;
      case '_':
        nextStyle_ |= kStyleUnderline;
        break;
      case '-':
        nextStyle_ |= kStyleStrikeOut;
        break;
      case '#':
        nextStyle_ = style_;
        break;
      case '*':
        controls_ = false;
        break;
      case '$': {
        if (i >= text.size()) {
          run_ += "^$";
          return false;
        }
        const char d = text[i];
        if (d >= '1' && d <= '9') {
          pendingColor_ = d - '0';
          ++i;
          break;
        }
        const size_t dLength = CharLength(text, i);
        run_ += "^$";
        run_ += text.substr(i, dLength);
        prev_ = ColumnCount(text.substr(i, dLength));
        i += dLength;
        return true;
      }
      default:
        if (ModeOf(k) == TMode::None) {
          Literal(kChar);
          return true;
        }
        if (i >= text.size() || text[i] == '^') {
          Literal(kChar);
          return true;
        }
        mode_ = ModeOf(k);
        break;
    }
    Flush();
    return true;
  }

  void Literal(std::string_view kChar) {
    run_ += '^';
    run_ += kChar;
    prev_ = ColumnCount(kChar);
  }

  void Flush() {
    if (!run_.empty()) {
      DrawRun(px_, py_, m_, run_);
      Advance(static_cast<double>(ColumnCount(run_)) * (m_.W + m_.S) / 2);
      run_.clear();
    }
    curStyle_ = nextStyle_;
    if (pendingColor_ > 0) {
      if (ctx_.Attributes) {
        canvas_.SetPen(ctx_.Attributes->GetPenColor(pendingColor_), 0, TPenStyle::Solid);
      }
      pendingColor_ = 0;
    }
  }

  void Advance(double distance) {
    px_ += ux_ * distance;
    py_ += uy_ * distance;
  }

  void DrawRun(double x, double y, const TGlyphMetrics& m, std::string_view run) {
    DrawGlyphRun(ctx_, canvas_, curStyle_, face_, x, y, m, run);
  }

  // Draws c at P moved back by `back` and up by `up`, with height h and width w.
  void DrawAt(std::string_view c, double back, double up, double h, double w, double s) {
    const double x = px_ - ux_ * back + nx_ * up;
    const double y = py_ - uy_ * back + ny_ * up;
    DrawRun(x, y, TGlyphMetrics{h, w, s, m_.Theta}, c);
  }

  void DrawModeCharacter(std::string_view c) {
    const bool wide = ColumnCount(c) == 2;
    const double H = m_.H, W = m_.W, S = m_.S;
    const double absH = std::abs(H);
    // Offset back to the previous character's cell.
    const double backToPrevious = prev_ * S / 2 + prev_ * W / 4;
    switch (mode_) {
      case TMode::Up:
        DrawAt(c, 0, absH / 2, H / 2, wide ? W / 2 : W, S);
        Advance((W + S) / 2);
        break;
      case TMode::Down:
        DrawAt(c, 0, 0, H / 2, wide ? W / 2 : W, S);
        Advance((W + S) / 2);
        break;
      case TMode::Centre:
        DrawAt(c, 0, absH / 4, H / 2, wide ? W / 2 : W, S);
        Advance((W + S) / 2);
        break;
      case TMode::OverSmall:
        DrawAt(c, backToPrevious + (wide ? W / 4 : W / 8), absH / 4, H / 2, W / 2, S);
        break;
      case TMode::Overlay:
        DrawAt(c, backToPrevious + (wide ? W / 2 : W / 4), 0, H, W, S);
        break;
      case TMode::OverQuarter:
        DrawAt(c, backToPrevious + (wide ? W / 4 : W / 8), 0, H, W, S);
        break;
      case TMode::OverFifth:
        DrawAt(c, backToPrevious + (wide ? 0.3 * W : 0.15 * W), 0, H, W, S);
        break;
      case TMode::None:
      case TMode::Pair:
        break;
    }
  }

  // "^w": one or two half-width characters overlaid, small, on the previous character.
  void DrawPair(std::string_view pair) {
    const double k = static_cast<double>(pair.size());
    const double back = k * m_.W / 8 + prev_ * m_.S / 2 + prev_ * m_.W / 4;
    DrawAt(pair, back, std::abs(m_.H) / 4, m_.H / 2, m_.W / 2, 0);
  }

  TRenderContext& ctx_;
  TCanvas& canvas_;
  const int32_t style_;
  const std::string_view face_;
  const TGlyphMetrics m_;
  std::string run_;
  int32_t curStyle_;
  int32_t nextStyle_;
  bool controls_ = true;
  TMode mode_ = TMode::None;
  int32_t prev_ = 0;
  int32_t pendingColor_ = 0;
  double px_, py_;
  const double ux_, uy_, nx_, ny_;
};

}  // namespace

void DrawControlledText(TRenderContext& ctx, TCanvas& canvas, int32_t styleCode,
                        std::string_view faceName, double x, double y, const TGlyphMetrics& metrics,
                        std::string_view content) {
  TControlInterpreter(ctx, canvas, styleCode, faceName, x, y, metrics).Run(content);
}

}  // namespace pennatran
