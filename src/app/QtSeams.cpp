#include "app/QtSeams.h"

#include "lang/AddedTexts.h"
#include "lang/TextTable.h"
#include "widgets/AppIcons.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStyle>
#include <QUrl>
#include <utility>

namespace zz {

QtUserDialogs::QtUserDialogs(QString caption, const TextTable* texts)
    : m_caption(std::move(caption))
    , m_texts(texts) {}

namespace {

// The program's drawn picture in place of the style's, at the size the style gives message-box
// icons. Qt then reports the box's kind as NoIcon; its accessible role stays an alert.
void showDrawnIcon(QMessageBox& box, QMessageBox::Icon icon) {
    const QIcon drawn = icons::messageBoxIcon(icon);
    if (drawn.isNull())
        return;
    const int size = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
    box.setIconPixmap(drawn.pixmap(QSize(size, size), box.devicePixelRatio()));
}

// Texts can hold file and language names; they are never read as markup.
int showBox(QWidget* parent, const TextTable* texts, QMessageBox::Icon icon, const QString& caption,
            const QString& text, QMessageBox::StandardButtons buttons,
            QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, caption, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    showDrawnIcon(box, icon);
    if (texts) {
        const std::pair<QMessageBox::StandardButton, int> captions[] = {{QMessageBox::Yes, added::ButtonYes},
                                                                        {QMessageBox::No, added::ButtonNo},
                                                                        {QMessageBox::Ok, added::ButtonOk}};
        for (const auto& [which, index] : captions) {
            if (QAbstractButton* button = box.button(which))
                button->setText((*texts)[index]);
        }
    }
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

void QtUserDialogs::showError(QWidget* parent, const QString& text) {
    showBox(parent, m_texts, QMessageBox::Critical, m_caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

void QtUserDialogs::showWarning(QWidget* parent, const QString& text) {
    showBox(parent, m_texts, QMessageBox::Warning, m_caption, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtUserDialogs::askYesNo(QWidget* parent, const QString& text) {
    return showBox(parent, m_texts, QMessageBox::Question, m_caption, text,
                   QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

QString QtFileChooser::chooseFileToOpen(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) {
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtFileChooser::chooseFileToSave(QWidget* parent, const QString& caption, const QString& folder,
                                        const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

FileChooser& platformFileChooser() {
    static QtFileChooser chooser;
    return chooser;
}

void DesktopUrlOpener::open(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace zz
