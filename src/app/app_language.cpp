#include "app/app_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace pennatran {

void InstallWindowLanguage(QCoreApplication& application, TLanguage language) {
  // Dates, sizes and file types in Qt's dialogs follow the window, not the desktop.
  QLocale::setDefault(
      QLocale(language == TLanguage::English ? QLocale::English : QLocale::Japanese));
  auto translator = std::make_unique<QTranslator>();
  const bool loaded = language == TLanguage::English
                          ? LoadCatalogue(*translator, QStringLiteral("pennatran"), language)
                          : translator->load(QStringLiteral("qtbase_ja"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (!loaded) return;
  translator->setParent(&application);
  QCoreApplication::installTranslator(translator.release());
}

}  // namespace pennatran
