#include "jww/save_failure.h"

#include <cerrno>

#include "jww/translatable.h"

namespace pennatran {

TSaveFailure SaveFailureOf(const std::error_code& error) {
  if (!error) return TSaveFailure::None;
  const std::error_condition condition = error.default_error_condition();
  if (condition == std::errc::read_only_file_system) return TSaveFailure::ReadOnly;
  if (condition == std::errc::permission_denied ||
      condition == std::errc::operation_not_permitted) {
    return TSaveFailure::PermissionDenied;
  }
  if (condition == std::errc::no_space_on_device || condition == std::errc::file_too_large) {
    return TSaveFailure::DiskFull;
  }
#ifdef EDQUOT
  if (condition == std::error_condition(EDQUOT, std::generic_category())) {
    return TSaveFailure::DiskFull;
  }
#endif
  if (condition == std::errc::no_such_file_or_directory ||
      condition == std::errc::not_a_directory) {
    return TSaveFailure::FolderMissing;
  }
  return TSaveFailure::Other;
}

TSaveError SaveErrorOf(const std::string& step, const std::error_code& error) {
  if (!error) return {TSaveFailure::Other, step};
  return {SaveFailureOf(error), step + ": " + error.message()};
}

std::string SaveFailureText(TSaveFailure failure) {
  switch (failure) {
    case TSaveFailure::ReadOnly:
      return Translatable("SaveFailure", "保存先は読み取り専用です。");
    case TSaveFailure::PermissionDenied:
      return Translatable("SaveFailure", "保存先に書き込む権限がありません。");
    case TSaveFailure::DiskFull:
      return Translatable("SaveFailure", "ディスクの空き容量が足りません。");
    case TSaveFailure::FolderMissing:
      return Translatable("SaveFailure", "保存先のフォルダがありません。");
    case TSaveFailure::Busy:
      return Translatable("SaveFailure", "保存先の図面ファイルはほかの処理が使用中です。");
    case TSaveFailure::ChangedOnDisk:
      return Translatable("SaveFailure",
                          "保存先の図面ファイルは読み込んだ後にほかで書き換えられています。");
    case TSaveFailure::None:
    case TSaveFailure::Other:
      break;
  }
  return {};
}

}  // namespace pennatran
