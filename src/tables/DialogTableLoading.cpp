#include "tables/DialogTableLoading.h"

#include "app/AppContext.h"
#include "common/Errors.h"
#include "lang/AddedTexts.h"

#include <QTimer>
#include <QWidget>

namespace zz {

void loadTableForDialog(QWidget* dialog, AppContext& context, const std::function<TableLoadReport()>& load) {
    const TextTable& texts = context.state.Texts;
    QString text;
    bool isError = false;
    try {
        const TableLoadReport report = load();
        text = report.notice(texts);
        // A row that stops the loading is an error; the other notices only warn.
        isError = report.missing.has_value();
    } catch (const XmlParseError& e) {
        // The model shows its defaults now and keeps the file as ".bad" before saving over it.
        text = texts[added::TableFileUnreadable] + e.message();
        isError = true;
    } catch (const Error& e) {
        // A file that cannot be read cannot be kept either; saving replaces it.
        text = texts[added::FileUnreadableReplacedOnSave] + e.message();
        isError = true;
    }
    if (text.isEmpty())
        return;
    UserDialogs& dialogs = context.dialogs;
    QTimer::singleShot(0, dialog, [dialog, &dialogs, text, isError] {
        if (isError)
            dialogs.showError(dialog, text);
        else
            dialogs.showWarning(dialog, text);
    });
}

} // namespace zz
