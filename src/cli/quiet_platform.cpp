#include "cli/quiet_platform.h"

#include <QString>
#include <QtGlobal>

namespace pennatran {
namespace {

QtMessageHandler previousHandler = nullptr;

void FilterRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  if (previousHandler != nullptr) previousHandler(type, context, message);
}

}  // namespace

void DropRuntimeFolderNotice() {
  if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
  previousHandler = qInstallMessageHandler(FilterRuntimeFolderNotice);
}

}  // namespace pennatran
