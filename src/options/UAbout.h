#pragma once

#include "app/AppContext.h"

#include <QDialog>

class QLabel;

namespace zz {

class ClickableLabel;
class FlatButton;

// The code of the program's manual, shown beside the software code.
inline const QString kDocumentCode = QStringLiteral("KM883");

// What the program is, its version and codes, and the way to the maker's home page. Its
// texts are fixed English texts: a language change leaves it as it is.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    TFAbout(AppContext& context, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void Label4Click();

    AppContext& m_context;
    ClickableLabel* m_Image2;
    QLabel* m_Label2;
    QLabel* m_Label9;
    QLabel* m_Label10;
    QLabel* m_Label12;
    ClickableLabel* m_Label4;
    FlatButton* m_LbButton1;
};

} // namespace zz
