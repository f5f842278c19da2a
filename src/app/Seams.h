#pragma once

#include <QString>

class QWidget;

namespace zz {

// Message and question boxes. The program shows real ones; tests answer and record.
class UserDialogs {
public:
    virtual ~UserDialogs() = default;
    // A modal error box with one OK button.
    virtual void showError(QWidget* parent, const QString& text) = 0;
    // A modal warning box with one OK button, for problems the program worked around.
    virtual void showWarning(QWidget* parent, const QString& text) = 0;
    // A modal confirmation box with Yes and No; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
};

// Opens a web address with the system's default handler.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QString& address) = 0;
};

// The platform's file dialogs. Tests give the path the user would have picked.
class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The file the user picks to open, or an empty text when the dialog is cancelled.
    virtual QString chooseFileToOpen(QWidget* parent, const QString& caption, const QString& folder,
                                     const QString& filter) = 0;
    // The file the user names to save into, or an empty text when the dialog is cancelled.
    virtual QString chooseFileToSave(QWidget* parent, const QString& caption, const QString& folder,
                                     const QString& filter) = 0;
};

// The program's file dialogs, for the windows that are not given others.
FileChooser& platformFileChooser();

} // namespace zz
