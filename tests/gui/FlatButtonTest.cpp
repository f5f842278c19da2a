#include "widgets/FlatButton.h"

#include "widgets/AppStyle.h"

#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace zz {
namespace {

TEST(FlatButtonTest, ModalResultClosesItsDialogWithThatResult) {
    QDialog dialog;
    auto* ok = new FlatButton(QStringLiteral("Btn_OK"), &dialog);
    auto* plain = new FlatButton(QStringLiteral("Btn_Plain"), &dialog);
    ok->setModalResult(QDialog::Accepted);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(ok);
    layout->addWidget(plain);
    dialog.show();

    int plainClicks = 0;
    QObject::connect(plain, &QPushButton::clicked, [&] { ++plainClicks; });
    QTest::mouseClick(plain, Qt::LeftButton);
    EXPECT_EQ(plainClicks, 1);
    EXPECT_TRUE(dialog.isVisible());

    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(FlatButtonTest, FillIsOrangeWhilePressedHotWhileHoveredAndKeyboardWorks) {
    QWidget host;
    auto* button = new FlatButton(QStringLiteral("Btn"), &host);
    button->setText(QStringLiteral("Go"));
    button->setHint(QStringLiteral("Does it"));
    host.show();
    EXPECT_EQ(button->toolTip(), QStringLiteral("Does it"));
    EXPECT_EQ(button->currentFillColor(), QColor(248, 247, 237));
    button->setDown(true);
    EXPECT_EQ(button->currentFillColor(), QColor(255, 128, 0));
    button->setDown(false);
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    EXPECT_EQ(button->currentFillColor(), button->hotColor());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_EQ(button->currentFillColor(), QColor(248, 247, 237));

    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks, 3) << "Return and Enter press the focused button";
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks, 3);
    EXPECT_GT(button->sizeHint().width(),
              QFontMetrics(button->font()).horizontalAdvance(QStringLiteral("Go")));
}

void hover(FlatButton* button) {
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(button, &enter);
    ASSERT_EQ(button->currentFillColor(), button->hotColor());
}

TEST(FlatButtonTest, HoverEndsWhenItsDialogIsHiddenAndReopened) {
    QDialog dialog;
    auto* ok = new FlatButton(QStringLiteral("Btn_OK"), &dialog);
    ok->setModalResult(QDialog::Accepted);
    (new QVBoxLayout(&dialog))->addWidget(ok);
    dialog.show();
    hover(ok);
    ok->click(); // closes the dialog under the pointer: no Leave follows
    ASSERT_FALSE(dialog.isVisible());
    dialog.show();
    EXPECT_EQ(ok->currentFillColor(), ok->fillColor()) << "not lit on the reopened dialog";
}

TEST(FlatButtonTest, HoverEndsWhenAModalWindowOpensOverIt) {
    QWidget host;
    auto* button = new FlatButton(QStringLiteral("Btn"), &host);
    host.show();
    hover(button);
    QDialog modal;
    QColor whileModal;
    QTimer::singleShot(0, &modal, [&] {
        whileModal = button->currentFillColor();
        modal.reject();
    });
    modal.exec();
    EXPECT_EQ(whileModal, button->fillColor());

    // It lights again when the pointer comes back.
    hover(button);
}

} // namespace
} // namespace zz
