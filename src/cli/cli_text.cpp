#include "cli/cli_text.h"

#include <QTranslator>

#include "i18n/language.h"

namespace pennatran {
namespace {

// The command line has no application object to install a translator into; its messages
// ask this one directly.
QTranslator& Catalogue() {
  static QTranslator translator;
  return translator;
}

}  // namespace

void LoadCliLanguage() {
  LoadCatalogue(Catalogue(), QStringLiteral("pennatran-cli"), LanguageOfLocale(MessagesLocale()));
}

TText TText::Arg(std::string_view value) const {
  char lowest = 0;
  for (size_t i = 0; i + 1 < Text.size(); ++i) {
    const char digit = Text[i + 1];
    if (Text[i] == '%' && digit >= '1' && digit <= '9' && (lowest == 0 || digit < lowest))
      lowest = digit;
  }
  if (lowest == 0) return *this;
  std::string filled;
  for (size_t i = 0; i < Text.size(); ++i) {
    if (Text[i] == '%' && i + 1 < Text.size() && Text[i + 1] == lowest) {
      filled += value;
      ++i;
    } else {
      filled += Text[i];
    }
  }
  return TText(std::move(filled));
}

TText Tr(const char* context, const char* source) {
  const QString translated = Catalogue().translate(context, source);
  return TText(translated.isEmpty() ? std::string(source) : translated.toStdString());
}

}  // namespace pennatran
