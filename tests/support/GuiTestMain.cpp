#include "widgets/AppStyle.h"

#include <QApplication>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// The offscreen platform cannot pass fixed window sizes on and says so for every window.
QtMessageHandler previousHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char** argv) {
    // Test discovery runs the binary without the test's environment, and a machine without a
    // display has no other platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietMessageHandler);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    zz::style::applyApplicationStyle(app);
    return RUN_ALL_TESTS();
}
