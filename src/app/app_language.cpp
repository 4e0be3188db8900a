#include "app/app_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>
#include <utility>

namespace pennatran {

namespace {

void Install(QCoreApplication& application, std::unique_ptr<QTranslator> translator) {
  translator->setParent(&application);
  QCoreApplication::installTranslator(translator.release());
}

}  // namespace

void InstallWindowLanguage(QCoreApplication& application, TLanguage language) {
  // Dates, sizes and file types in Qt's dialogs follow the window, not the desktop.
  QLocale::setDefault(
      QLocale(language == TLanguage::English ? QLocale::English : QLocale::Japanese));
  if (language != TLanguage::English) InstallJapaneseCoreMessages(application);
  auto translator = std::make_unique<QTranslator>();
  const bool loaded = language == TLanguage::English
                          ? LoadCatalogue(*translator, QStringLiteral("pennatran"), language)
                          : translator->load(QStringLiteral("qtbase_ja"),
                                             QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (loaded) Install(application, std::move(translator));
}

bool InstallJapaneseCoreMessages(QCoreApplication& application) {
  auto translator = std::make_unique<QTranslator>();
  if (!LoadCatalogue(*translator, QStringLiteral("pennatran-cli"), TLanguage::Japanese))
    return false;
  Install(application, std::move(translator));
  return true;
}

}  // namespace pennatran
