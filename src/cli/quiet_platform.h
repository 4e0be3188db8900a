// Keeps the platform's start-up chatter off stderr, where only our own messages belong.
#pragma once

namespace pennatran {

// Drops Qt's notice that XDG_RUNTIME_DIR is unset (a terminal or cron job without a login
// session); every other Qt message still reaches the previous handler. Call before the
// application object is made.
void DropRuntimeFolderNotice();

}  // namespace pennatran
