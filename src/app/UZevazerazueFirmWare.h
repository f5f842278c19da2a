#pragma once

#include "app/UComon.h"

#include <QWidget>

namespace zz {

// The main window: leads through the numbered steps of a configuration.
class TFZevazerazueFirmWare : public QWidget {
    Q_OBJECT
public:
    explicit TFZevazerazueFirmWare(UComon& state, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    UComon& m_state;
};

} // namespace zz
