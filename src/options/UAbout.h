#pragma once

#include "app/AppContext.h"

#include <QDialog>

namespace zz {

// What the program is, its version and codes; fixed English texts.
class TFAbout : public QDialog {
    Q_OBJECT
public:
    TFAbout(AppContext& context, QWidget* parent);

private:
    AppContext& m_context;
};

} // namespace zz
