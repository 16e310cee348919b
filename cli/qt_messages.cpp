#include "cli/qt_messages.h"

#include <QString>
#include <QtGlobal>

#include <iostream>

namespace kelp::cli {
namespace {

// A missing runtime folder or a painter that cannot start on an unwritable
// file says nothing beyond KELP's own message about the same event.
void KeepOnlyFatal(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) std::cerr << text.toLocal8Bit().constData() << '\n';
}

}  // namespace

void SilenceQtMessages() { qInstallMessageHandler(KeepOnlyFatal); }

}  // namespace kelp::cli
