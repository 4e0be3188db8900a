// The window's language: the rule that picks it from the locale, and the window's texts
// in Japanese and in English.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QPushButton>
#include <QTranslator>

#include "app/app_language.h"
#include "app/failure_reason.h"
#include "i18n/language.h"
#include "window_fixture.h"

namespace pennatran::testing {
namespace {

TEST(LanguageOfLocale, TheTextsAsWrittenUnderCJapaneseUnderJaEnglishElsewhere) {
  const struct {
    const char* Locale;
    TLanguage Expected;
  } cases[] = {
      {"", TLanguage::Source},
      {"C", TLanguage::Source},
      {"POSIX", TLanguage::Source},
      {"C.UTF-8", TLanguage::Source},
      {"C.utf8", TLanguage::Source},
      {"ja_JP.UTF-8", TLanguage::Japanese},
      {"ja_JP", TLanguage::Japanese},
      {"ja", TLanguage::Japanese},
      {"ja_JP.eucJP", TLanguage::Japanese},
      {"en_US.UTF-8", TLanguage::English},
      {"de_DE@euro", TLanguage::English},
      {"jam_JM", TLanguage::English},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LanguageOfLocale(QString::fromLatin1(c.Locale)), c.Expected) << c.Locale;
}

TEST(WindowLanguage, QtsOwnButtonsSpeakTheWindowsLanguage) {
  EnsureApplication();
  const QString qtCatalogue =
      QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm");
  if (!QFile::exists(qtCatalogue)) GTEST_SKIP() << "qt6-translations-l10n is not installed";
  const struct {
    TLanguage Language;
    QString Yes;
  } cases[] = {{TLanguage::Source, QStringLiteral("はい(&Y)")},
               {TLanguage::Japanese, QStringLiteral("はい(&Y)")},
               {TLanguage::English, QStringLiteral("&Yes")}};
  QCoreApplication& application = *QCoreApplication::instance();
  for (const auto& c : cases) {
    InstallWindowLanguage(application, c.Language);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), c.Yes);
    // A translator leaves the application when it is destroyed.
    qDeleteAll(application.findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
  }
}

using WindowLanguageTest = WindowTest;

TEST_F(WindowLanguageTest, TheWindowSpeaksJapaneseOrEnglish) {
  const struct {
    TLanguage Language;
    QString Title, SaveButton, Message, Width, PointRadius;
  } cases[] = {
      {TLanguage::Source, QStringLiteral("コピー元"), QStringLiteral("コピー先ファイルを保存 (&S)"),
       QStringLiteral("コピー元ファイルを開いていません"), QStringLiteral(" 幅:"),
       QStringLiteral(" 点半径:")},
      {TLanguage::English, QStringLiteral("Source"), QStringLiteral("&Save destination"),
       QStringLiteral("No source drawing is open"), QStringLiteral(" width:"),
       QStringLiteral(" point radius:")},
  };
  const QString source = WriteDrawing("source.jww", SourceDrawing());
  for (const auto& c : cases) {
    QTranslator translator;
    if (c.Language == TLanguage::English) {
      ASSERT_TRUE(LoadCatalogue(translator, QStringLiteral("pennatran"), c.Language));
      QCoreApplication::installTranslator(&translator);
    }
    Messages.clear();
    CreateWindow();
    EXPECT_EQ(LabelText("sourceTitle"), c.Title);
    EXPECT_EQ(Window->findChild<QPushButton*>(QStringLiteral("saveButton"))->text(), c.SaveButton);
    ClickButton("saveButton");
    EXPECT_EQ(Messages, (std::vector<TRecordedMessage>{{false, c.Message}}));
    // The colour lines carry the window's words around the numbers.
    OpenThroughBrowse("sourceBrowseButton", source);
    const QString line = Lines("sourceColorList").front();
    EXPECT_EQ(line.count(c.Width), 2) << line.toStdString();
    EXPECT_EQ(line.count(c.PointRadius), 1) << line.toStdString();
    // Every line of both lists is in the window's language, not only the first.
    if (c.Language == TLanguage::English) {
      for (const char* list : {"sourceColorList", "sourceLineTypeList"}) {
        for (const QString& text : Lines(list)) {
          EXPECT_FALSE(text.contains(QStringLiteral("幅")) || text.contains(QStringLiteral("点")))
              << list << ": " << text.toStdString();
        }
      }
    }
    CloseWindow();
    Window.reset();
    QCoreApplication::removeTranslator(&translator);
  }
}

// The reasons in the many-drawings result list follow the window's language.
TEST(FailureReasonLanguage, JapaneseAsWrittenEnglishFromTheCatalogue) {
  EnsureApplication();
  TDrawingFailure broken;
  broken.Kind = TFailureKind::NotReadCompletely;
  broken.Load = LoadErrorAt(TLoadFailure::CutShort, 3000);
  broken.Load.Place = TLoadPlace::Header;
  TDrawingFailure busy;
  busy.Kind = TFailureKind::Busy;
  EXPECT_EQ(FailureReason(broken),
            QStringLiteral("完全には読み込めませんでした（オフセット 3000：end of file inside the "
                           "header）"));
  QTranslator translator;
  ASSERT_TRUE(LoadCatalogue(translator, QStringLiteral("pennatran"), TLanguage::English));
  QCoreApplication::installTranslator(&translator);
  EXPECT_EQ(FailureReason(broken),
            QStringLiteral("not read completely (offset 3000: end of file inside the header)"));
  EXPECT_EQ(FailureReason(busy), QStringLiteral("another run kept it locked"));
  EXPECT_TRUE(FailureReason({}).isEmpty());
  QCoreApplication::removeTranslator(&translator);
}

}  // namespace
}  // namespace pennatran::testing
