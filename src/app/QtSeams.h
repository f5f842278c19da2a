#pragma once

#include "app/Seams.h"

namespace zz {

class QtUserDialogs : public UserDialogs {
public:
    explicit QtUserDialogs(QString caption);
    void showError(QWidget* parent, const QString& text) override;
    void showWarning(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text) override;

private:
    QString m_caption;
};

class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QString& address) override;
};

} // namespace zz
