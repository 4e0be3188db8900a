// Whether stderr is shown to a person, for the progress line.
#pragma once

namespace pennatran {

bool StderrIsTerminal();

}  // namespace pennatran
