#pragma once

#include "app/Seams.h"

namespace zz {
class TextTable;
}

namespace zz {

class QtUserDialogs : public UserDialogs {
public:
    // The buttons take their captions from `texts` when given, so they follow the language.
    explicit QtUserDialogs(QString caption, const TextTable* texts = nullptr);
    void showError(QWidget* parent, const QString& text) override;
    void showWarning(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;

private:
    QString m_caption;
    const TextTable* m_texts;
};

class QtFileChooser : public FileChooser {
public:
    QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& filter) override;
    QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& folder,
                             const QString& filter) override;
};

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QString& address) override;
};

} // namespace zz
