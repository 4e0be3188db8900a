#include "i18n/language.h"

#include <QTranslator>
#include <QtGlobal>

namespace pennatran {

TLanguage LanguageOfLocale(const QString& name) {
  // "C.UTF-8" and its spellings are the C locale with another character set.
  const QString language = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
  if (language.isEmpty() || language == QLatin1String("C") || language == QLatin1String("POSIX"))
    return TLanguage::Source;
  if (language == QLatin1String("ja") || language.startsWith(QLatin1String("ja_")))
    return TLanguage::Japanese;
  return TLanguage::English;
}

QString MessagesLocale() {
  for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty()) return value;
  }
  return {};
}

bool LoadCatalogue(QTranslator& translator, const QString& program, TLanguage language) {
  if (language == TLanguage::Source) return false;
  const QString suffix =
      language == TLanguage::Japanese ? QStringLiteral("ja") : QStringLiteral("en");
  return translator.load(QStringLiteral(":/i18n/%1_%2.qm").arg(program, suffix));
}

}  // namespace pennatran
