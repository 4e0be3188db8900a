#include "cli/save_notes_text.h"

#include <iostream>
#include <string>

#include "cli/cli_text.h"

namespace pennatran {
namespace {

constexpr TSaveChange kChanges[] = {TSaveChange::PrintColorIsScreenColor,
                                    TSaveChange::NameControlsDropped,
                                    TSaveChange::NameCaretMDropped, TSaveChange::LineTypeReplaced};

TText WhatChanges(TSaveChange change) {
  switch (change) {
    case TSaveChange::PrintColorIsScreenColor:
      return Tr("source", "%1: the print colour is saved as the screen colour.");
    case TSaveChange::NameControlsDropped:
      return Tr("source", "%1: control characters are dropped from the name.");
    case TSaveChange::NameCaretMDropped:
      return Tr("source", "%1: \"^m\" is dropped from the name.");
    case TSaveChange::LineTypeReplaced:
      break;
  }
  return Tr("source",
            "%1: a segment count other than 2, 4, 6 or 8 is saved as a plain two-segment type.");
}

TText SlotCount(TSlotKind kind, size_t count) {
  if (kind == TSlotKind::Color)
    return (count == 1 ? Tr("source", "%1 colour slot") : Tr("source", "%1 colour slots"))
        .Arg(count);
  return (count == 1 ? Tr("source", "%1 line type slot") : Tr("source", "%1 line type slots"))
      .Arg(count);
}

}  // namespace

void ReportSaveNotes(const std::vector<TSaveNote>& notes, bool verbose) {
  for (const TSlotKind kind : kSlotKinds) {
    for (const TSaveChange change : kChanges) {
      std::string slots;
      size_t count = 0;
      for (const TSaveNote& note : notes) {
        if (note.Kind != kind || note.Change != change) continue;
        ++count;
        slots += (slots.empty() ? "No." : ", No.") + std::to_string(note.Slot.Number());
      }
      if (count == 0) continue;
      std::cerr << "pennatran-cli: " << WhatChanges(change).Arg(SlotCount(kind, count)) << '\n';
      if (verbose) std::cerr << "pennatran-cli:   " << slots << '\n';
    }
  }
}

}  // namespace pennatran
