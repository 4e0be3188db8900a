// The window's language: its own texts and those of Qt's dialogs and buttons.
#pragma once

#include "i18n/language.h"

class QCoreApplication;

namespace pennatran {

// Installs the translations for language into the application, which keeps them. The
// window's texts are written in Japanese, so only English needs a catalogue of ours; Qt's
// own texts are written in English, so Japanese (and the texts as written) take Qt's
// Japanese catalogue when the system has it, and the command line's for the core's
// patterns (InstallJapaneseCoreMessages). The default locale takes the language too, for
// the dates, sizes and file types Qt's dialogs show.
void InstallWindowLanguage(QCoreApplication& application, TLanguage language);

// Installs the command line's Japanese catalogue, from which a window that speaks Japanese
// words the messages the core hands over as English patterns (a palette file's refusal).
// False when it is missing.
bool InstallJapaneseCoreMessages(QCoreApplication& application);

}  // namespace pennatran
