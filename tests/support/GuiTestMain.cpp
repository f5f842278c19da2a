#include "widgets/AppStyle.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
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

// Qt keeps the modifier keys of the last input event; a test that ended with Ctrl held that way
// would hand it to the next one run in the same process, and a plain click there would extend
// the selection. A move without modifiers releases them.
class ReleaseModifiersBeforeEachTest : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        if (QGuiApplication::keyboardModifiers() == Qt::NoModifier)
            return;
        QWindow probe;
        probe.resize(10, 10);
        probe.show();
        // Qt drops a move to where the pointer already is, so it moves twice.
        QTest::mouseMove(&probe, QPoint(2, 2));
        QTest::mouseMove(&probe, QPoint(6, 6));
    }
};

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
    ::testing::UnitTest::GetInstance()->listeners().Append(new ReleaseModifiersBeforeEachTest);
    return RUN_ALL_TESTS();
}
