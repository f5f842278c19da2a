#include "app/QtSeams.h"
#include "lang/AddedTexts.h"
#include "lang/TextTable.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zz {
namespace {

struct ShownBox {
    QStringList buttonTexts;
    QString defaultText;
};

// Answers the next message box with the button of `answer` and notes what it showed.
void answerNextBox(ShownBox& shown, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&shown, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        for (QAbstractButton* button : box->buttons())
            shown.buttonTexts.append(button->text());
        if (box->defaultButton())
            shown.defaultText = box->defaultButton()->text();
        box->button(answer)->click();
    });
}

class MessageBoxButtonsTest : public ::testing::Test {
protected:
    TextTable texts;
    void SetUp() override {
        texts.LoadDefaultTexts();
        texts.set(added::ButtonYes, QStringLiteral("&S\u00EC"));
        texts.set(added::ButtonNo, QStringLiteral("&No!"));
        texts.set(added::ButtonOk, QStringLiteral("Va bene"));
    }
};

TEST_F(MessageBoxButtonsTest, QuestionButtonsSpeakTheLanguage) {
    QtUserDialogs dialogs(QStringLiteral("Caption"), &texts);
    for (const auto& [answer, expected] :
         {std::pair{QMessageBox::Yes, true}, std::pair{QMessageBox::No, false}}) {
        ShownBox shown;
        answerNextBox(shown, answer);
        EXPECT_EQ(dialogs.askYesNo(nullptr, QStringLiteral("Sure?")), expected);
        EXPECT_EQ(shown.buttonTexts.size(), 2);
        EXPECT_TRUE(shown.buttonTexts.contains(QStringLiteral("&S\u00EC")));
        EXPECT_TRUE(shown.buttonTexts.contains(QStringLiteral("&No!")));
        // No stays the default, so Enter never confirms by accident.
        EXPECT_EQ(shown.defaultText, QStringLiteral("&No!"));
    }
}

TEST_F(MessageBoxButtonsTest, ErrorAndWarningOkFollowALanguageChosenLater) {
    QtUserDialogs dialogs(QStringLiteral("Caption"), &texts);
    const std::pair<const char*, std::function<void()>> boxes[] = {
        {"error",
         [&] {
             dialogs.showError(nullptr, QStringLiteral("Bad"));
         }},
        {"warning",
         [&] {
             dialogs.showWarning(nullptr, QStringLiteral("Careful"));
         }},
    };
    for (const auto& [kind, show] : boxes) {
        ShownBox italian;
        answerNextBox(italian, QMessageBox::Ok);
        show();
        EXPECT_EQ(italian.buttonTexts, QStringList{QStringLiteral("Va bene")}) << kind;

        // The table is the program's own, changed in place when the language changes.
        texts.LoadDefaultTexts();
        ShownBox english;
        answerNextBox(english, QMessageBox::Ok);
        show();
        EXPECT_EQ(english.buttonTexts, QStringList{QStringLiteral("OK")}) << kind;
        texts.set(added::ButtonOk, QStringLiteral("Va bene"));
    }
}

} // namespace
} // namespace zz
