#pragma once

#include <QtGlobal>

namespace quorvex::testing {

// The headless platform says, for every window shown, that it cannot raise windows or pass on
// size hints. True and harmless; kept out of the test output so real warnings stand out.
inline void quietOffscreen() {
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.startsWith(QLatin1String("This plugin does not support"))) return;
            if (previous) previous(type, context, message);
        });
}

}  // namespace quorvex::testing
