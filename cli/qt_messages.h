// Qt's own diagnostics on standard error, kept away from a user who did not
// ask for them.
#pragma once

namespace kelp::cli {

// From now on Qt's messages are dropped, but for a fatal one: Qt ends the
// process after it, and the user must learn why. Call before the
// application object is made, whose start-up already speaks.
void SilenceQtMessages();

}  // namespace kelp::cli
