// Which language the programs speak, chosen from the user's locale.
#pragma once

#include <QString>

class QTranslator;

namespace pennatran {

enum class TLanguage {
  // The texts as the programs write them: Japanese in the window; on the command line,
  // its lines as they have always read.
  Source,
  Japanese,
  English,
};

// The language for a locale name such as "ja_JP.UTF-8": the texts as written under C,
// POSIX or no locale, so that scripts and older habits see what they always saw; Japanese
// under any ja locale; English under every other one, since a reader on a German or French
// desktop reads English better than Japanese.
TLanguage LanguageOfLocale(const QString& name);

// The locale that names the language of messages, as the C library picks it: LC_ALL,
// else LC_MESSAGES, else LANG, the first one set and not empty.
QString MessagesLocale();

// Loads a program's catalogue ("pennatran", "pennatran-cli") for a language from the
// catalogues built into the program; false when it carries none for that language.
bool LoadCatalogue(QTranslator& translator, const QString& program, TLanguage language);

}  // namespace pennatran
