#include "app/window_help.h"

#include <QTranslator>

namespace pennatran {

namespace {

const char* const kHelp = QT_TRANSLATE_NOOP(
    "WindowHelp",
    "使い方: pennatran [コピー先]\n"
    "        pennatran コピー元 コピー先\n"
    "Jw_cad の図面（.jww）の間で、SXF対応拡張ユーザー線色と線種をウィンドウでコピーします。\n"
    "\n"
    "  コピー元     コピー元の図面ファイルかパレットファイル。左半分に開きます。\n"
    "  コピー先     コピー先の図面ファイル。右半分に開きます。ファイルが一つだけのときは\n"
    "               コピー先として開きます。\n"
    "  --help       この説明を表示して終了します。\n"
    "  --version    版を表示して終了します。\n"
    "\n"
    "書き出し、適用、比較、点検は pennatran-cli で行います（pennatran-cli --help）。\n");

}  // namespace

std::string WindowHelpText(TLanguage language) {
  QTranslator catalogue;
  const TLanguage shown = language == TLanguage::Japanese ? language : TLanguage::English;
  if (shown == TLanguage::Japanese || !LoadCatalogue(catalogue, QStringLiteral("pennatran"), shown))
    return kHelp;
  const QString translated = catalogue.translate("WindowHelp", kHelp);
  return translated.isEmpty() ? std::string(kHelp) : translated.toStdString();
}

}  // namespace pennatran
